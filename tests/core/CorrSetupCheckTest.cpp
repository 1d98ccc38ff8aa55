#include "correlation/core/CorrSetupCheck.h"

#include "TempDir.h"
#include "data/SetupFile.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

using I = CorrSetupIssue;
using Lines = std::vector<std::string>;

// A setup file's value lines with some of them replaced.
Lines kvs(std::vector<std::pair<std::size_t, std::string>> changes = {})
{
    Lines lines { "data.csv", "1", "2", "1", "100", "1", "100.0", "-100.0", "100.0", "-100.0" };
    for (auto &[index, text] : changes)
        lines[index] = std::move(text);
    return lines;
}

std::vector<I> issues(const std::vector<CorrSetupMessage> &told)
{
    std::vector<I> kinds;
    for (const CorrSetupMessage &m : told)
        kinds.push_back(m.issue);
    return kinds;
}

TEST(CorrSetupCheck, setupFileLoadedAndAccepted_givesTheDialogsValuesAndMessages)
{
    struct Row
    {
        const char *name;
        Lines lines;
        bool accepted;
        std::vector<I> told;
        int xColumn, startRow, plotSpeedMs;
        double xTop;
    };
    const Row rows[] = {
        { "good", kvs(), true, {}, 1, 1, 100, 100.0 },
        { "no data file line", {}, false, { I::FaultySetupFile, I::NoDataFile }, 1, 1, 50, 100 },
        { "start row 0", kvs({ { 3, "0" } }), false, { I::BadStartRow }, 1, 0, 100, 100 },
        // A refused plot speed or column keeps the fresh dialog's value; OK still closes.
        { "no plot speed", kvs({ { 4, "0" } }), true, {}, 1, 1, 0, 100 },
        { "plot speed 49", kvs({ { 4, "49" } }), true, { I::BadPlotSpeed }, 1, 1, 50, 100 },
        { "column 10001", kvs({ { 1, "10001" } }), true, { I::BadColumn }, 1, 1, 100, 100 },
        { "both bad", kvs({ { 1, "0" }, { 2, "x" }, { 3, "-1" } }), false,
            { I::BadColumn, I::BadColumn, I::BadStartRow }, 1, -1, 100, 100 },
        // The cut file's plot speed box stays off: no plot speed.
        { "cut after the row", { "data.csv", "1", "2", "1" }, true, { I::FaultySetupFile }, 1, 1, 0,
            100 },
        // The dialog reads 19 bytes of an entry: 19 zeros, or the digits before a stray byte.
        { "long row", kvs({ { 3, "00000000000000000002" } }), false, { I::BadStartRow }, 1, 2, 100,
            100 },
        { "long frame",
            kvs({ { 5, "0" },
                { 6,
                    "1000000000000000000\x80"
                    "0" } }),
            true, {}, 1, 1, 100, 1e18 },
        { "spaces and signs", kvs({ { 1, " \t+3x" }, { 4, "1e3" } }), true, { I::BadPlotSpeed }, 3,
            1, 50, 100 },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        dir.write("data.csv", "1,2\n");
        const CorrSetupStart start = startCorrSetup(
            dir.write("s.kvs", setupFileText("KVT_GRIDWALK_SETUP_SOUKAN", row.lines)));
        EXPECT_EQ(start.accepted, row.accepted);
        EXPECT_EQ(issues(start.told), row.told);
        const CorrSetupValues &v = start.setup.values;
        EXPECT_EQ(std::tuple(v.xColumn, v.dataStartRow, v.plotSpeedMs, v.frameXTop),
            std::tuple(row.xColumn, row.startRow, row.plotSpeedMs, row.xTop));
        EXPECT_EQ(start.refusal() != nullptr, !row.told.empty());
    }
}

TEST(CorrSetupCheck, dataFile_foundBesideTheSetup_isANote_missingOneIsLeftToTheReader)
{
    TempDir dir;
    dir.write("walk.csv", "1,2\n");
    const std::string magic = "KVT_GRIDWALK_SETUP_SOUKAN";
    const CorrSetupStart beside = startCorrSetup(
        dir.write("a.kvs", setupFileText(magic, kvs({ { 0, "C:\\elsewhere\\walk.csv" } }))));
    EXPECT_EQ(beside.setup.values.dataFilePath, dir.file("walk.csv"));
    EXPECT_EQ(issues(beside.told), std::vector { I::DataFileElsewhere });
    EXPECT_EQ(beside.notes(), std::vector { beside.setup.loadNote });
    EXPECT_EQ(beside.refusal(), nullptr);

    const CorrSetupStart missing
        = startCorrSetup(dir.write("b.kvs", setupFileText(magic, kvs({ { 0, "gone.csv" } }))));
    EXPECT_TRUE(missing.accepted && missing.told.empty());
    EXPECT_EQ(missing.setup.values.dataFilePath, dir.file("gone.csv"));

    const CorrSetupStart unopened = startCorrSetup(dir.file("none.kvs"));
    const std::vector<CorrSetupMessage> noDataFile { { I::NoDataFile,
        "データファイルが指定されていません。" } };
    EXPECT_EQ(unopened.told, noDataFile);
}

TEST(CorrSetupCheck, load_ofACompleteFileClearsTheChangedFlags_aCutOneKeepsThem)
{
    TempDir dir;
    const std::string magic = "KVT_GRIDWALK_SETUP_SOUKAN";
    for (const auto &[lines, flagsKept] :
        { std::pair { kvs(), false }, { Lines { "d.csv" }, true } }) {
        CorrSetup setup;
        setup.changed.fill(true);
        CorrSetupEntries entries;
        const CorrSetupLoad load
            = loadCorrSetup(setup, entries, dir.write("s.kvs", setupFileText(magic, lines)));
        EXPECT_EQ(load.linesRead, static_cast<int>(lines.size()));
        EXPECT_EQ(setup.changed[kXColumn], flagsKept);
        EXPECT_FALSE(setup.changed[kDataFile]); // a loaded data file is no choice to save
    }
}

TEST(CorrSetupCheck, ok_flagsWhatChanged_andKeepsTheValuesARefusalLeaves)
{
    CorrSetup setup;
    setup.dataFileGiven = true;
    setup.values = { "d.csv", 4, 5, 2, 200, false, 10, -10, 10, -10 };
    setup.changed[kDataFile] = true; // chosen in this showing
    CorrSetupEntries entries { "4", "7", "0", "200", true, false, "10", "-9", "10.0", "-10" };
    const CorrSetupValues before { "d.csv", 1, 2, 1, 50, true, 100, -100, 100, -100 };

    const CorrSetupCheck refused = checkCorrSetup(entries, setup, before);
    EXPECT_FALSE(refused.accepted);
    std::array<bool, kCorrSetupFieldCount> changed {};
    changed[kDataFile] = changed[kXBottom] = changed[kYColumn] = true;
    EXPECT_EQ(refused.changed, changed);
    EXPECT_EQ(std::tuple(
                  refused.values.yColumn, refused.values.frameXBottom, refused.values.dataStartRow),
        std::tuple(7, -9.0, 2));

    entries.startRow = "2";
    entries.autoScale = true;
    entries.xColumn = "0";
    const CorrSetupCheck accepted = checkCorrSetup(entries, setup, before);
    changed[kXBottom] = false;
    changed[kAutoScale] = true;
    EXPECT_TRUE(accepted.accepted);
    EXPECT_EQ(accepted.changed, changed);
    EXPECT_EQ(
        std::tuple(accepted.values.xColumn, accepted.values.frameXBottom), std::tuple(1, -10.0));
}

} // namespace
