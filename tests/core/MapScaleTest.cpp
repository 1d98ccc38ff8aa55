#include "path/core/MapScale.h"

#include "TempDir.h"
#include "path/core/PathSetupFile.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

TEST(MapScale, twoClicksAndTheirDistanceGiveUnitsPerPixel_nonsenseIsRefusedInWords)
{
    struct Row
    {
        const char *name;
        std::vector<MapClick> clicks;
        const char *distance;
        std::optional<double> scale;
    };
    const Row rows[] = {
        { "across", { { 100, 50 }, { 400, 50 } }, "6", 0.02 },
        { "slanted 3-4-5", { { 10, 10 }, { 40, 50 } }, " 2.5 ", 0.05 },
        { "last two of three", { { 0, 0 }, { 7, 7 }, { 7, 207 } }, "200", 1.0 },
        { "one click", { { 5, 5 } }, "10", std::nullopt },
        { "same point twice", { { 5, 5 }, { 5, 5 } }, "10", std::nullopt },
        { "not a number", { { 0, 0 }, { 100, 0 } }, "abc", std::nullopt },
        { "number and more", { { 0, 0 }, { 100, 0 } }, "12m", std::nullopt },
        { "empty", { { 0, 0 }, { 100, 0 } }, "", std::nullopt },
        { "zero", { { 0, 0 }, { 100, 0 } }, "0", std::nullopt },
        { "negative", { { 0, 0 }, { 100, 0 } }, "-3", std::nullopt },
        { "infinite", { { 0, 0 }, { 100, 0 } }, "1e999", std::nullopt },
        { "absurdly small", { { 0, 0 }, { 1000, 0 } }, "1e-7", std::nullopt },
        { "absurdly large", { { 0, 0 }, { 1, 0 } }, "1e7", std::nullopt },
    };
    for (const Row &row : rows) {
        const MapScaleResult result = mapScaleFromClicks(row.clicks, row.distance);
        ASSERT_EQ(result.unitsPerPixel.has_value(), row.scale.has_value()) << row.name;
        if (row.scale) {
            EXPECT_DOUBLE_EQ(*result.unitsPerPixel, *row.scale) << row.name;
        }
        EXPECT_EQ(result.refusal.empty(), row.scale.has_value()) << row.name;
    }
    EXPECT_EQ(mapScaleFromEntry("nan").unitsPerPixel, std::nullopt);
}

TEST(MapScale, aSetupWithoutAScaleSavesByteIdentical_oneWithItReadsInASixLineReader)
{
    TempDir dir;
    const std::string old
        = "KVT_GRIDWALK_SETUP\r\nmap.png\r\n-1.500000\r\n0.000000\r\nrobot.png\r\n"
          "\r\nlog.csv\r\nNEWER=x\r\n";
    PathSetup loaded;
    const SetupFileLines lines = readPathSetupFile(dir.write("old.kvt", old));
    for (int k = 0; k < kPathSetupValueLines; ++k)
        applyPathSetupLine(loaded, 2 + k, lines.values[static_cast<std::size_t>(k)]);
    applyPathSetupTags(loaded.values, lines.tags);
    ASSERT_TRUE(writePathSetupFile(dir.file("again.kvt"), loaded.values));
    EXPECT_EQ(TempDir::read(dir.file("again.kvt")), old);

    loaded.values.mapUnitsPerPixel = 0.05;
    ASSERT_TRUE(writePathSetupFile(dir.file("scaled.kvt"), loaded.values));
    const SetupFileLines scaled = readPathSetupFile(dir.file("scaled.kvt"));
    EXPECT_EQ(scaled.tags.front(), (SetupTag { "MAP_SCALE", "0.05" }));
    // A reader of only the six value lines finds them as they always were.
    const SetupFileLines sixLines = readSetupFile(dir.file("scaled.kvt"), kPathSetupMagic, 6);
    EXPECT_TRUE(sixLines.complete);
    EXPECT_EQ(sixLines.values, lines.values);
    PathSetupValues back;
    applyPathSetupTags(back, scaled.tags);
    EXPECT_EQ(std::pair(back.mapUnitsPerPixel, back.otherTags), std::pair(0.05, lines.tags));
    applyPathSetupTags(back, { { "MAP_SCALE", "-2" } });
    EXPECT_EQ(back.mapUnitsPerPixel, 1.0);
}

} // namespace
