// Logged times: a time column read into play times and GIF frames, with the rows it could not
// take told; the time column kept in both setup files.

#include "TempDir.h"
#include "correlation/core/CorrSetupFile.h"
#include "data/CsvReader.h"
#include "data/DataReadMessage.h"
#include "data/DataReadReport.h"
#include "data/PlaySchedule.h"
#include "path/core/PathSetupFile.h"

#include <gtest/gtest.h>

namespace {

struct Row
{
    const char *name;
    std::vector<std::string> times; // column 3 of lines 2, 3, …
    TimeUnit unit;
    double speed;
    std::vector<long long> dueMs;
    std::vector<long long> frameDelaysCs; // every GIF frame's delay but the last
    std::vector<int> unread, backwards; // the lines told
    std::string lastShown; // the Time box at the last point
};

std::vector<int> lines(const DataReadReport::SkippedLines &told)
{
    return { told.listed().begin(), told.listed().end() };
}

TEST(LoggedTimeTest, timesPlayFromTheStartAndFramesLastTheirTimeExactly)
{
    const std::vector<Row> rows {
        { "uneven seconds", { "10", "10.25", "11", "11.05", "13.5" }, TimeUnit::Seconds, 1,
            { 0, 250, 1000, 1050, 3500 }, { 25, 75, 5, 245 }, {}, {}, "3.50" },
        { "clock over midnight", { "23:59:58", "23:59:59.5", "0:00:03" }, TimeUnit::Clock, 1,
            { 0, 1500, 5000 }, { 150, 350 }, {}, {}, "00:00:03" },
        { "ISO with zones", { "2026-12-07T09:15:02.250+09:00", "2026-12-07 00:15:03Z" },
            TimeUnit::Clock, 1, { 0, 750 }, { 75 }, {}, {}, "09:15:03" },
        // A frame of a GIF lasts whole hundredths: 15 and 24 ms share the hundredth they round to.
        { "milliseconds a hundredth apart", { "0", "15", "24", "40" }, TimeUnit::Milliseconds, 1,
            { 0, 15, 24, 40 }, { 2, 2 }, {}, {}, "0.04" },
        { "milliseconds at 5x", { "0", "1000", "1500", "4000" }, TimeUnit::Milliseconds, 5,
            { 0, 200, 300, 800 }, { 20, 10, 50 }, {}, {}, "4.00" },
        { "back, missing and beyond any log at 1/4", { "0", "2", "", "1", "1e300", "3" },
            TimeUnit::Seconds, 0.25, { 0, 8000, 8000, 8000, 8000, 12000 }, { 800, 400 }, { 4, 6 },
            { 5 }, "3.00" },
    };
    TempDir dir;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        std::string csv = "x,y,time\n";
        for (std::size_t i = 0; i < row.times.size(); ++i)
            csv += std::to_string(i) + ",1," + row.times[i] + "\n";
        DataColumns columns;
        columns.path = dir.write("log.csv", csv);
        columns.startRow = 2;
        columns.useY = true;
        columns.timeColumn = 3;
        columns.timeUnit = row.unit;
        DataSeries series;
        DataReadReport report;
        ASSERT_EQ(
            loadDataColumns(columns, series, false, &report), static_cast<int>(row.times.size()));

        const std::vector<long long> due = playTimesMs(series.time, row.speed);
        EXPECT_EQ(due, row.dueMs);
        const std::vector<long long> frames = frameTimesMs(due, std::nullopt, 600);
        std::vector<long long> delays;
        for (std::size_t k = 1; k < frames.size(); ++k)
            delays.push_back((frames[k] + 5) / 10 - (frames[k - 1] + 5) / 10);
        EXPECT_EQ(delays, row.frameDelaysCs);
        EXPECT_EQ(std::pair(lines(report.timeUnread), lines(report.timeBackwards)),
            std::pair(row.unread, row.backwards));
        EXPECT_EQ(loggedTimeText(series, series.lastIndex, row.unit), row.lastShown);
        // Told once, with the lines, by the read's message.
        if (!row.unread.empty()) {
            EXPECT_NE(dataReadMessage(report).find("2 行は前の行の時刻で再生します (4, 6 行目)"),
                std::string::npos);
        }
    }
}

TEST(LoggedTimeTest, aFrameGridGrowsToTheSizeLimitAndEndsOnTheLastPoint)
{
    std::vector<long long> due; // a 1000 Hz log of 10 s
    for (long long ms = 0; ms <= 10'000; ++ms)
        due.push_back(ms);
    const auto frames = frameTimesMs(due, std::nullopt, 600);
    ASSERT_EQ(frames.size(), 589u); // every 17 ms, one frame in hundredths would be 1001
    EXPECT_EQ(frames.back(), 589 * 17);
    EXPECT_EQ(frameTimesMs(due, 100, 600).size(), 100u);
    EXPECT_EQ(frameTimesMs(due, 10, 50).front(), 200);
}

TEST(LoggedTimeTest, aColumnWithoutTimesPlaysAtFixedSpeedAndSaysSo)
{
    TempDir dir;
    DataColumns columns;
    columns.path = dir.write("names.csv", "1,2,a\n3,4,b\n");
    columns.timeColumn = 3;
    DataSeries series;
    DataReadReport report;
    ASSERT_EQ(loadDataColumns(columns, series, false, &report), 2);
    EXPECT_TRUE(series.time.empty());
    EXPECT_NE(dataReadMessage(report).find("一定の速度で再生します"), std::string::npos);
}

TEST(LoggedTimeTest, setupFilesKeepTheTimeColumnAndStayAsTheyWereWithoutOne)
{
    TempDir dir;
    for (const char *sample : { "correlation_2500.kvs", "correlation_positive.kvs" }) {
        const std::string path = std::string(TRACELET_SAMPLES_DIR) + "/" + sample;
        CorrSetup setup;
        const SetupFileLines file = readCorrSetupFile(path);
        for (std::size_t i = 0; i < file.values.size(); ++i)
            applyCorrSetupLine(setup, static_cast<int>(i) + 2, file.values[i]);
        applyCorrSetupTags(setup.values, file.tags);
        ASSERT_TRUE(writeCorrSetupFile(dir.file("again.kvs"), setup.values));
        EXPECT_EQ(TempDir::read(dir.file("again.kvs")), TempDir::read(path)) << sample;
    }
    for (const char *sample : { "path_small.kvt", "path_walk.kvt" }) {
        const std::string path = std::string(TRACELET_SAMPLES_DIR) + "/" + sample;
        PathSetup setup;
        const SetupFileLines file = readPathSetupFile(path);
        for (std::size_t i = 0; i < file.values.size(); ++i)
            applyPathSetupLine(setup, static_cast<int>(i) + 2, file.values[i]);
        applyPathSetupTags(setup.values, file.tags);
        ASSERT_TRUE(writePathSetupFile(dir.file("again.kvt"), setup.values));
        EXPECT_EQ(TempDir::read(dir.file("again.kvt")), TempDir::read(path)) << sample;
    }
    PathSetupValues timed;
    timed.dataFilePath = "log.csv";
    timed.time = { 6, TimeUnit::Clock, 0.25 };
    timed.otherTags = { { "NEWER", "0.5" } };
    ASSERT_TRUE(writePathSetupFile(dir.file("timed.kvt"), timed));
    const std::string text = TempDir::read(dir.file("timed.kvt"));
    EXPECT_NE(text.find("TIME_COLUMN=6\r\nTIME_UNIT=clock\r\nPLAY_SPEED=0.25\r\nNEWER=0.5\r\n"),
        std::string::npos);
    PathSetupValues back;
    applyPathSetupTags(back, readPathSetupFile(dir.file("timed.kvt")).tags);
    EXPECT_EQ(std::pair(back.time, back.otherTags), std::pair(timed.time, timed.otherTags));
}

} // namespace
