#include "TempDir.h"
#include "Utf16Text.h"
#include "correlation/core/CorrSetupFile.h"
#include "data/AtomicFile.h"
#include "path/core/PathSetupFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace {

template <typename Setup>
void applyAll(
    Setup &state, const SetupFileLines &lines, void (*apply)(Setup &, int, std::string_view))
{
    for (std::size_t i = 0; i < lines.values.size(); ++i)
        apply(state, static_cast<int>(i) + 2, lines.values[i]);
}

const std::string kExampleKvs = "KVT_GRIDWALK_SETUP_SOUKAN\r\nC:\\data\\run.csv\r\n3\r\n5\r\n2\r\n"
                                "100\r\n0\r\n50.0\r\n-50.0\r\n20.0\r\n-20.0\r\n";

TEST(CorrSetupFile, writesElevenCrLfLines)
{
    TempDir dir;
    const CorrSetupValues values { "C:\\data\\run.csv", 3, 5, 2, 100, false, 50.0, -50.0, 20.04,
        -19.96 };
    ASSERT_TRUE(writeCorrSetupFile(dir.file("a.kvs"), values));
    EXPECT_EQ(TempDir::read(dir.file("a.kvs")), kExampleKvs);
    // A negative plot period is kept as written; any automatic-scale value but 0 means on.
    CorrSetup state;
    applyCorrSetupLine(state, 6, "-5");
    applyCorrSetupLine(state, 7, "2");
    EXPECT_TRUE(state.values.plotSpeedMs == -5 && state.values.autoScale);
}

// A frame fitted to the data is one tagged line after the eleven: a reader of the eleven finds a
// complete automatic setup, this one the fitted frame and any tag it does not know, kept.
TEST(CorrSetupFile, fitFrameIsATaggedLineAfterTheLast)
{
    TempDir dir;
    CorrSetupValues values { "C:\\data\\run.csv", 3, 5, 2, 100, false, 50.0, -50.0, 20.0, -20.0 };
    values.fitFrame = true;
    values.otherTags = { { "NEWER_SETTING", "4" } };
    ASSERT_TRUE(writeCorrSetupFile(dir.file("fit.kvs"), values));
    std::string expected = kExampleKvs;
    expected.replace(expected.find("\r\n0\r\n"), 5, "\r\n1\r\n");
    EXPECT_EQ(TempDir::read(dir.file("fit.kvs")), expected + "FRAME=FIT\r\nNEWER_SETTING=4\r\n");

    const SetupFileLines lines = readCorrSetupFile(dir.file("fit.kvs"));
    ASSERT_TRUE(lines.complete);
    CorrSetup state;
    applyAll(state, lines, applyCorrSetupLine);
    applyCorrSetupTags(state.values, lines.tags);
    EXPECT_TRUE(state.values.autoScale && state.values.fitFrame);
    EXPECT_EQ(state.values.otherTags, values.otherTags);

    applyCorrSetupTags(state.values, readCorrSetupFile(dir.write("old.kvs", kExampleKvs)).tags);
    EXPECT_FALSE(state.values.fitFrame);
}

TEST(SetupFiles, readersReportWhatWasRead)
{
    const std::string kvsCutShort = kExampleKvs.substr(0, kExampleKvs.size() - 7) + "-20.5";
    const std::string kvtInUtf16
        = utf16File(asciiUnits("KVT_GRIDWALK_SETUP\r\nbg\r\n1\r\n2\r\nc\r\nc2\r\nd\r\n"), true);
    // name, .kvt (else .kvs), text, complete, value lines read (none unless the magic matched),
    // the last of them
    const std::tuple<const char *, bool, std::string, bool, std::size_t, std::string> rows[] = {
        { "empty", false, "", false, 0, "" },
        { "magicWithoutLineFeed", false, "KVT_GRIDWALK_SETUP_SOUKAN", false, 0, "" },
        { "pathMagicInKvs", false, "KVT_GRIDWALK_SETUP\n", false, 0, "" },
        { "kvsCut", false, "KVT_GRIDWALK_SETUP_SOUKAN\nd.csv\n1\n2\n3\n", false, 4, "3" },
        { "kvtOfSixLines", true, "KVT_GRIDWALK_SETUP\nbg\n1\n2\nc\nc2\n", false, 5, "c2" },
        { "kvsWithoutLastLineFeed", false, kvsCutShort, true, 10, "-20.5" },
        { "kvsWithUtf8Mark", false, "\xEF\xBB\xBF" + kExampleKvs, true, 10, "-20.0" },
        { "kvtInUtf16", true, kvtInUtf16, true, 6, "d" },
    };
    TempDir dir;
    for (const auto &[name, path, text, complete, count, last] : rows) {
        SCOPED_TRACE(name);
        const std::string file = dir.write("a.set", text);
        const SetupFileLines lines = path ? readPathSetupFile(file) : readCorrSetupFile(file);
        EXPECT_EQ(std::tuple(lines.opened, lines.magicMatched, lines.complete, lines.values.size(),
                      lines.values.empty() ? "" : lines.values.back()),
            std::tuple(true, count > 0, complete, count, last));
    }
    const SetupFileLines missing = readCorrSetupFile(dir.file("none.kvs"));
    EXPECT_FALSE(missing.opened || missing.faulty());
}

TEST(PathSetupFile, savedSetupLoadsBack)
{
    TempDir dir;
    // Empty lines are files not given.
    const PathSetupValues values { "/maps/plant.bmp", -50.7, 12.3456789, "/chars/a.bmp", "", "" };
    ASSERT_TRUE(writePathSetupFile(dir.file("a.kvt"), values));
    EXPECT_EQ(TempDir::read(dir.file("a.kvt")),
        "KVT_GRIDWALK_SETUP\r\n/maps/plant.bmp\r\n-50.700000\r\n12.345679\r\n/chars/a.bmp\r\n\r\n"
        "\r\n");

    const SetupFileLines lines = readPathSetupFile(dir.file("a.kvt"));
    ASSERT_TRUE(lines.complete);
    PathSetup state;
    applyAll(state, lines, applyPathSetupLine);
    EXPECT_EQ(std::tie(state.backgroundGiven, state.characterGiven, state.character2Given,
                  state.dataFileGiven),
        std::tuple(true, true, false, false));

    // A newer version's settings come after the six lines and go out again as they came.
    PathSetupValues tagged = values;
    tagged.otherTags = { { "NEWER", "1" } };
    ASSERT_TRUE(writePathSetupFile(dir.file("b.kvt"), tagged));
    applyPathSetupTags(state.values, readPathSetupFile(dir.file("b.kvt")).tags);
    EXPECT_EQ(state.values.otherTags, tagged.otherTags);
}

} // namespace

TEST(SetupFiles, pathsResolveAgainstTheSetupFilesFolder)
{
    const std::tuple<const char *, const char *> rows[] = {
        { "map.bmp", "/data/setups/map.bmp" },
        { "../walk.csv", "/data/walk.csv" },
        { "/abs/a.bmp", "/abs/a.bmp" },
        { "D:\\x\\run.csv", "D:\\x\\run.csv" }, // written on a system with drives
        { "", "" },
    };
    for (const auto &[written, opened] : rows)
        EXPECT_EQ(resolveAgainstSetupFolder("/data/setups/walk.kvt", written), opened) << written;
    EXPECT_EQ(resolveAgainstSetupFolder("walk.kvt", "map.bmp"), "map.bmp");
}
