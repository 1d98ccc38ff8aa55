#include "TempDir.h"
#include "correlation/core/CorrSetupFile.h"
#include "mainwnd/RunState.h"
#include "path/core/PathSetupFile.h"

#include <gtest/gtest.h>
#include <string>

namespace {

void applyAll(
    RunState &state, const SetupFileLines &lines, void (*apply)(RunState &, int, std::string_view))
{
    for (std::size_t i = 0; i < lines.values.size(); ++i)
        apply(state, static_cast<int>(i) + 2, lines.values[i]);
}

const char *const kExampleKvs
    = "KVT_GRIDWALK_SETUP_SOUKAN\r\nC:\\data\\run.csv\r\n3\r\n5\r\n2\r\n100\r\n"
      "0\r\n50.0\r\n-50.0\r\n20.0\r\n-20.0\r\n";

TEST(CorrSetupFile, writesElevenCrLfLines)
{
    TempDir dir;
    CorrSetupValues values;
    values.dataFilePath = "C:\\data\\run.csv";
    values.xColumn = 3;
    values.yColumn = 5;
    values.dataStartRow = 2;
    values.plotSpeedMs = 100;
    values.autoScale = false;
    values.frameXTop = 50.0;
    values.frameXBottom = -50.0;
    values.frameYTop = 20.04;
    values.frameYBottom = -19.96;
    ASSERT_TRUE(writeCorrSetupFile(dir.file("a.kvs"), values));
    EXPECT_EQ(TempDir::read(dir.file("a.kvs")), kExampleKvs);
}

TEST(CorrSetupFile, completeFileAppliesEveryLine)
{
    TempDir dir;
    const SetupFileLines lines = readCorrSetupFile(dir.write("a.kvs", kExampleKvs));
    ASSERT_TRUE(lines.complete);
    RunState state;
    state.corrSetupChanged[9] = true;
    applyAll(state, lines, applyCorrSetupLine);
    EXPECT_EQ(state.dataFilePath, "C:\\data\\run.csv");
    EXPECT_TRUE(state.dataFileGiven);
    EXPECT_FALSE(state.corrSetupChanged[9]);
    EXPECT_EQ(state.xColumn, 3);
    EXPECT_EQ(state.yColumn, 5);
    EXPECT_EQ(state.dataStartRow, 2);
    EXPECT_EQ(state.plotPeriodMs, 100);
    EXPECT_FALSE(state.corrAutoScale);
    EXPECT_EQ(state.corrFrameXTop, 50.0);
    EXPECT_EQ(state.corrFrameYBottom, -20.0);
}

struct FaultyCase
{
    const char *name;
    const char *text;
    bool magic;
    std::size_t valueLines;
};

class FaultyCorrSetup : public testing::TestWithParam<FaultyCase>
{
};

TEST_P(FaultyCorrSetup, reportsWhatWasRead)
{
    TempDir dir;
    const SetupFileLines lines = readCorrSetupFile(dir.write("a.kvs", GetParam().text));
    EXPECT_TRUE(lines.opened);
    EXPECT_TRUE(lines.faulty());
    EXPECT_EQ(lines.magicMatched, GetParam().magic);
    EXPECT_EQ(lines.values.size(), GetParam().valueLines);
}

INSTANTIATE_TEST_SUITE_P(Files, FaultyCorrSetup,
    testing::Values(FaultyCase { "empty", "", false, 0 },
        FaultyCase { "magicWithoutLineFeed", "KVT_GRIDWALK_SETUP_SOUKAN", false, 0 },
        FaultyCase { "magicWithTrailingBlank", "KVT_GRIDWALK_SETUP_SOUKAN \n1\n", false, 0 },
        FaultyCase { "pathMagic", "KVT_GRIDWALK_SETUP\n", false, 0 },
        FaultyCase { "cutAfterLineFive", "KVT_GRIDWALK_SETUP_SOUKAN\nd.csv\n1\n2\n3\n", true, 4 }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(CorrSetupFile, cutFileKeepsTheLinesAlreadyApplied)
{
    TempDir dir;
    const SetupFileLines lines
        = readCorrSetupFile(dir.write("a.kvs", "KVT_GRIDWALK_SETUP_SOUKAN\nd.csv\n4\n6\n3\n"));
    RunState state;
    applyAll(state, lines, applyCorrSetupLine);
    EXPECT_EQ(state.dataFilePath, "d.csv");
    EXPECT_EQ(state.yColumn, 6);
    EXPECT_EQ(state.dataStartRow, 3);
    EXPECT_EQ(state.plotPeriodMs, 0);
}

TEST(CorrSetupFile, lastLineWithoutLineFeedAndExtraLines)
{
    TempDir dir;
    std::string text = kExampleKvs;
    const SetupFileLines whole
        = readCorrSetupFile(dir.write("a.kvs", text.substr(0, text.size() - 7) + "-20.5"));
    ASSERT_TRUE(whole.complete);
    EXPECT_EQ(whole.values.back(), "-20.5");
    const SetupFileLines extra = readCorrSetupFile(dir.write("b.kvs", text + "junk\n"));
    EXPECT_TRUE(extra.complete);
    EXPECT_EQ(extra.values.size(), 10u);
}

TEST(CorrSetupFile, negativePlotSpeedLoadsAsGiven)
{
    RunState state;
    applyCorrSetupLine(state, 6, "-5");
    applyCorrSetupLine(state, 7, "2");
    EXPECT_EQ(state.plotPeriodMs, -5);
    EXPECT_TRUE(state.corrAutoScale);
}

TEST(CorrSetupFile, missingFileIsNotOpened)
{
    TempDir dir;
    const SetupFileLines lines = readCorrSetupFile(dir.file("none.kvs"));
    EXPECT_FALSE(lines.opened);
    EXPECT_FALSE(lines.faulty());
}

TEST(PathSetupFile, savedSetupLoadsBack)
{
    TempDir dir;
    PathSetupValues values;
    values.backgroundFilePath = "/maps/plant.bmp";
    values.originX = -50.7;
    values.originY = 12.3456789;
    values.characterFilePath = "/chars/a.bmp";
    values.dataFilePath = "/data/route.csv";
    ASSERT_TRUE(writePathSetupFile(dir.file("a.kvt"), values));
    EXPECT_EQ(TempDir::read(dir.file("a.kvt")),
        "KVT_GRIDWALK_SETUP\r\n/maps/plant.bmp\r\n-50.700000\r\n12.345679\r\n/chars/a.bmp\r\n\r\n"
        "/data/route.csv\r\n");

    const SetupFileLines lines = readPathSetupFile(dir.file("a.kvt"));
    ASSERT_TRUE(lines.complete);
    RunState state;
    applyAll(state, lines, applyPathSetupLine);
    EXPECT_EQ(state.backgroundFilePath, values.backgroundFilePath);
    EXPECT_TRUE(state.backgroundGiven);
    EXPECT_EQ(state.originX, -50.7);
    EXPECT_EQ(state.originY, 12.345679);
    EXPECT_TRUE(state.characterGiven);
    EXPECT_FALSE(state.character2Given);
    EXPECT_EQ(state.dataFilePath, values.dataFilePath);
    EXPECT_TRUE(state.dataFileGiven);
}

TEST(PathSetupFile, emptyBackgroundLineLeavesTheDefaultBackground)
{
    RunState state;
    state.backgroundGiven = true;
    applyPathSetupLine(state, 2, "");
    EXPECT_FALSE(state.backgroundGiven);
}

TEST(PathSetupFile, lastPathWithoutLineFeedKeepsItsLastCharacter)
{
    TempDir dir;
    const SetupFileLines lines
        = readPathSetupFile(dir.write("a.kvt", "KVT_GRIDWALK_SETUP\n\n0.0\n0.0\n\n\n/d/x.csv"));
    ASSERT_TRUE(lines.complete);
    EXPECT_EQ(lines.values.back(), "/d/x.csv");
}

TEST(PathSetupFile, sixLinesAreIncomplete)
{
    TempDir dir;
    const SetupFileLines lines
        = readPathSetupFile(dir.write("a.kvt", "KVT_GRIDWALK_SETUP\nbg\n1\n2\nc\nc2\n"));
    EXPECT_TRUE(lines.magicMatched);
    EXPECT_TRUE(lines.faulty());
    EXPECT_EQ(lines.values.size(), 5u);
}

} // namespace
