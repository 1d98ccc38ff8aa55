#include "data/DataReadReport.h"

#include "TempDir.h"
#include "data/CsvReader.h"
#include "data/DataReadMessage.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace {

using Outcome = DataReadReport::Outcome;

class DataReadReportTest : public testing::Test
{
protected:
    DataReadReportTest() { state.useY = true; }

    DataReadReport read(const std::string &path, int startRow = 1, bool pathColumns = false)
    {
        state.path = path;
        state.startRow = startRow;
        DataReadReport report;
        rows = loadDataColumns(state, series, pathColumns, &report);
        return report;
    }
    DataReadReport read(const char *text, int startRow = 1, bool pathColumns = false)
    {
        return read(dir.write("data.csv", text), startRow, pathColumns);
    }

    TempDir dir;
    DataColumns state;
    DataSeries series;
    int rows = 0;
};

// Each way to get no data row names its cause, with the file; the read itself stays as it was.
TEST_F(DataReadReportTest, noDataRow_namesTheFileAndTheCause)
{
    const std::string missing = dir.file("missing.csv");
    // name, path or text, start row, outcome, lines in the file, the series' last index after it
    // (a read that reaches no data line leaves it alone), words of the message
    const std::tuple<const char *, std::string, int, Outcome, int, int, const char *> cases[] = {
        { "missing", missing, 1, Outcome::NotFound, 0, 5, "開けません (ファイルが見つかりません)" },
        { "folder", dir.file(""), 1, Outcome::IsFolder, 0, 5, "開けません (フォルダです)" },
        { "empty", dir.write("empty.csv", ""), 1, Outcome::EmptyFile, 0, -1, "ファイルが空です" },
        { "start row past the end", dir.write("short.csv", "x,y\n1,2\r\n"), 5,
            Outcome::EndsBeforeStartRow, 2, 5,
            "ファイルは 2 行で、データ開始行 5 行目がありません" },
        { "nothing after the heading", dir.write("head.csv", "x,y\n"), 2,
            Outcome::EndsBeforeStartRow, 1, -1,
            "ファイルは 1 行で、データ開始行 2 行目がありません" },
        { "blank start row", dir.write("blank.csv", "x,y\n\n1,2\n"), 2, Outcome::BlankStartRow, 2,
            -1, "データ開始行 2 行目が空行です" },
    };
    for (const auto &[name, path, startRow, outcome, lines, lastIndex, cause] : cases) {
        SCOPED_TRACE(name);
        series.lastIndex = 5;
        const DataReadReport report = read(path, startRow);
        EXPECT_EQ(rows, 0);
        EXPECT_EQ(series.lastIndex, lastIndex);
        EXPECT_EQ(report.outcome, outcome);
        EXPECT_EQ(report.linesInFile, lines);
        const std::string message = dataReadMessage(report);
        EXPECT_NE(message.find(cause), std::string::npos) << message;
        EXPECT_EQ(message.substr(message.rfind('\n') + 1), path);
    }
}

// A heading read as data: both fields of line 1 hold no number; every value is still read.
TEST_F(DataReadReportTest, headingReadAsData_isCountedOnce_andTheNextStartRowIsSuggested)
{
    const char *text = "height,weight\n172.1,53.7\n162.0,54.5\n";
    const DataReadReport report = read(text);
    ASSERT_EQ(rows, 3); // no row dropped: the heading reads as (0, 0)
    EXPECT_EQ(std::tuple(series.x[0], series.y[0]), std::tuple(0.0, 0.0));
    EXPECT_TRUE(report.firstRowLooksLikeHeading);
    EXPECT_NE(dataReadMessage(report).find("データ開始行を 2 にしてください。"), std::string::npos);
    EXPECT_EQ(dataReadMessage(read(text, 2)), ""); // from line 2 the file is clean
}

TEST_F(DataReadReportTest, fieldsWithoutNumbersAndMissingColumns_areCountedFromTheirFirstLine)
{
    // Line 3 has text for Y, line 5 ends before Y and keeps line 4's text, line 6 has an empty
    // X; "-.5", " 7" and "1e3x" are numbers as the reader takes them.
    DataReadReport report = read("x,y\n1,2\n3,n/a\n-.5, 7\n9\n,1e3x\n", 2);
    ASSERT_EQ(rows, 5);
    EXPECT_EQ(series.y[3], 7.0); // the documented value stays: the earlier line's text
    const auto &x = report.columns[DataReadReport::X];
    const auto &y = report.columns[DataReadReport::Y];
    EXPECT_EQ(
        std::tuple(x.notNumberRows, x.firstNotNumberLine, x.missingRows), std::tuple(1, 6, 0));
    EXPECT_EQ(std::tuple(y.notNumberRows, y.firstNotNumberLine, y.missingRows, y.firstMissingLine),
        std::tuple(1, 3, 1, 5));
    EXPECT_FALSE(report.firstRowLooksLikeHeading);
    const std::string message = dataReadMessage(report);
    EXPECT_NE(message.find("Y (2 列目): この列がない行が 1 行 (最初は 5 行目)"), std::string::npos);
    EXPECT_NE(message.find("前の行のその列の値"), std::string::npos);
    EXPECT_EQ(message.find("見出し"), std::string::npos);

    // A Y column the file does not have, and one beyond the field table: missing on every row.
    for (int column : { 5, 2000 }) {
        state.yColumn = column;
        report = read("1,2\n3,4\n5,6\n");
        EXPECT_EQ(report.columns[DataReadReport::Y].missingRows, 3) << column;
        EXPECT_EQ(report.columns[DataReadReport::Y].firstMissingLine, 1);
        EXPECT_EQ(series.y[2], 0.0);
    }

    // Line numbers count the file's lines, also after a line read in two pieces.
    state.yColumn = 2;
    report = read(("1," + std::string(600, '2') + "\nx,4\n").c_str());
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(report.columns[DataReadReport::X].firstNotNumberLine, 2);
}

// Only a path read takes the direction and speed columns, the speeds from the first row alone,
// and tells when the heading line it skips holds numbers: then it was most likely data.
TEST_F(DataReadReportTest, pathColumns_areReadAndChecked_speedsOnlyOnTheFirstRow)
{
    state.useDirection = state.useInterpSpeed = state.usePlotSpeed = true;
    const char *text = "X,Y,D,I,P\n1,2,90,1000,-50.9\n3,4,180,7,8\n5,6,east\n";
    EXPECT_EQ(dataReadMessage(read(text, 2, false)), "");
    EXPECT_EQ(std::tie(series.direction[0], series.firstRowPlotSpeed), std::tuple(0.0, 0.0));
    EXPECT_FALSE(read(text, 2, true).headingHoldsNumbers);
    EXPECT_EQ(std::tie(series.direction[1], series.firstRowInterpSpeed, series.firstRowPlotSpeed),
        std::tuple(180.0, 1000.0, -50.9));
    const DataReadReport report = read(text, 1, true);
    EXPECT_EQ(std::tuple(report.columns[DataReadReport::Direction].notNumberRows,
                  report.columns[DataReadReport::InterpSpeed].notNumberRows,
                  report.columns[DataReadReport::PlotSpeed].notNumberRows),
        std::tuple(2, 1, 1));
    EXPECT_FALSE(report.firstRowLooksLikeHeading); // line 4 has text too

    const std::string numbers = dir.write("p.csv", "0;0;90\n10;5;90\n20;5;90\n");
    EXPECT_TRUE(read(numbers, 2, true).headingHoldsNumbers);
    EXPECT_NE(
        dataReadMessage(read(numbers, 2, true)).find("1 行目は見出し行として読み飛ばしましたが"),
        std::string::npos);
    // The correlation diagram's heading lines are the person's own choice.
    EXPECT_FALSE(read(numbers, 2, false).headingHoldsNumbers);
}

} // namespace
