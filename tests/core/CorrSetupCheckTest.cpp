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

TEST(CorrSetupCheck, setupFileLoadedAndAccepted_givesTheDialogsValuesAndMessages)
{
    const std::tuple<const char *, Lines, bool, std::vector<I>, int, int, double> rows[] = {
        // name, file lines, OK accepted, told, start row, plot speed, X top
        { "good", kvs(), true, {}, 1, 100, 100 },
        { "magic only", {}, false, { I::FaultySetupFile, I::NoDataFile }, 1, 50, 100 },
        { "cut after the row", { "data.csv", "1", "2", "3" }, true, { I::FaultySetupFile }, 3, 0,
            100 },
        { "data beside the setup", kvs({ { 0, "C:\\old\\data.csv" } }), true,
            { I::DataFileElsewhere }, 1, 100, 100 },
        { "start row 0", kvs({ { 3, "0" } }), false, { I::BadStartRow }, 0, 100, 100 },
        { "no plot speed", kvs({ { 4, "0" } }), true, {}, 1, 0, 100 },
        // A refused plot speed or column keeps the fresh dialog's value; OK still closes.
        { "plot speed 1e3", kvs({ { 4, "1e3" } }), true, { I::BadPlotSpeed }, 1, 50, 100 },
        { "columns bad", kvs({ { 1, "0" }, { 2, "10001" } }), true, { I::BadColumn, I::BadColumn },
            1, 100, 100 },
        // The dialog reads 19 bytes of an entry: 19 zeros, or the digits before a stray byte.
        { "long row", kvs({ { 3, "00000000000000000002" } }), false, { I::BadStartRow }, 2, 100,
            100 },
        { "long frame",
            kvs({ { 5, "0" },
                { 6,
                    "1000000000000000000\x80"
                    "0" } }),
            true, {}, 1, 100, 1e18 },
    };
    for (const auto &[name, lines, accepted, told, startRow, plotSpeedMs, xTop] : rows) {
        SCOPED_TRACE(name);
        TempDir dir;
        dir.write("data.csv", "1,2\n");
        const CorrSetupStart start
            = startCorrSetup(dir.write("s.kvs", setupFileText("KVT_GRIDWALK_SETUP_SOUKAN", lines)));
        std::vector<I> issues;
        for (const CorrSetupMessage &m : start.told)
            issues.push_back(m.issue);
        EXPECT_EQ(issues, told);
        const CorrSetupValues &v = start.setup.values;
        EXPECT_EQ(
            std::tuple(start.accepted, v.dataFilePath, v.dataStartRow, v.plotSpeedMs, v.frameXTop),
            std::tuple(accepted, lines.empty() ? std::string() : dir.file("data.csv"), startRow,
                plotSpeedMs, xTop));
        EXPECT_EQ(start.refusal() == nullptr,
            told.empty() || told == std::vector { I::DataFileElsewhere });
    }
    EXPECT_EQ(
        startCorrSetup("/no/such.kvs").told.at(0).text, "データファイルが指定されていません。");
}

TEST(CorrSetupCheck, load_ofACompleteFileLeavesNothingToSave_aCutOneKeepsTheChanges)
{
    TempDir dir;
    for (const auto &[lines, kept] : { std::pair { kvs(), false }, { Lines { "d.csv" }, true } }) {
        CorrSetup setup;
        setup.changed.fill(true);
        CorrSetupEntries entries;
        loadCorrSetup(
            setup, entries, dir.write("s.kvs", setupFileText("KVT_GRIDWALK_SETUP_SOUKAN", lines)));
        EXPECT_EQ(
            std::pair(setup.changed[kXColumn], setup.changed[kDataFile]), std::pair(kept, false));
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
    std::array<bool, kCorrSetupFieldCount> changed {};
    // The entries name the axes, as a fresh dialog does; the values before did not.
    changed[kDataFile] = changed[kXBottom] = changed[kYColumn] = changed[kAxisTitles] = true;
    EXPECT_EQ(std::tuple(refused.accepted, refused.changed, refused.values.yColumn,
                  refused.values.frameXBottom, refused.values.dataStartRow),
        std::tuple(false, changed, 7, -9.0, 2));

    std::tie(entries.startRow, entries.autoScale, entries.xColumn) = std::tuple("2", true, "0");
    const CorrSetupCheck accepted = checkCorrSetup(entries, setup, before);
    changed[kXBottom] = false;
    changed[kAutoScale] = true;
    EXPECT_EQ(std::tuple(accepted.accepted, accepted.changed, accepted.values.xColumn,
                  accepted.values.frameXBottom),
        std::tuple(true, changed, 1, -10.0));
}

} // namespace
