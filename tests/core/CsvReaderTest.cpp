#include "data/CsvReader.h"

#include "TempDir.h"
#include "Utf16Text.h"
#include "data/CsvDialect.h"
#include "data/DataReadMessage.h"
#include "data/DataReadReport.h"
#include "data/DataSeries.h"
#include "data/TextLineReader.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines readLines(const TempDir &dir, const std::string &bytes)
{
    TextLineReader reader(dir.write("a.txt", bytes));
    Lines lines;
    while (const auto line = reader.readLine())
        lines.emplace_back(*line);
    return lines;
}

// CR LF and a lone CR become LF, long lines come in 499-byte pieces, NUL ends a line, and no line
// or character is cut where the 64 KiB read buffer ends.
TEST(TextLineReader, linesArriveWholeWithTheirEnds)
{
    const std::string x(499, 'x'), y(499, 'y');
    std::string hundreds; // 655 lines of 100 bytes
    for (int i = 0; i < 655; ++i)
        hundreds += std::string(99, 'z') + "\n";
    std::u16string text; // 2 bytes of mark + 32766 units before the surrogate pair
    for (int i = 0; i < 327; ++i)
        text += asciiUnits(std::string(99, 'a') + "\n");
    text += asciiUnits(std::string(66, 'b')) + u"\U0001F600\r\n相関"; // no line feed at the end
    const Lines pair { std::string(66, 'b') + "\xF0\x9F\x98\x80\n", "相関" };
    // name, file bytes, lines skipped, the lines after them
    const std::tuple<const char *, std::string, long, Lines> rows[] = {
        { "line ends", "a\r\nb\rc\r\n\r\nlast", 0, { "a\n", "b\n", "c\n", "\n", "last" } },
        { "long lines", x + std::string(101, 'x') + "\r\n" + y + "\n", 0,
            { x, std::string(101, 'x') + "\n", y, "\n" } },
        { "NUL", std::string("ab\0cd\nef\n", 9), 0, { "ab", "ef\n" } },
        { "CR LF across the buffer", hundreds + std::string(35, 'z') + "\r\nend", 655,
            { std::string(35, 'z') + "\n", "end" } },
        { "UTF-16 LE pair across the buffer", utf16File(text, false), 327, pair },
    };
    TempDir dir;
    for (const auto &[name, bytes, skipped, tail] : rows) {
        const Lines lines = readLines(dir, bytes);
        ASSERT_GE(static_cast<long>(lines.size()), skipped) << name;
        EXPECT_EQ(Lines(lines.begin() + skipped, lines.end()), tail) << name;
    }
}

using Outcome = DataReadReport::Outcome;

std::string swapped(std::string text, char separator, char mark)
{
    for (char &c : text)
        c = c == ',' ? separator : (c == '.' ? mark : c);
    return text;
}

// One data file read as the correlation diagram (X and Y) or the path run reads it.
class CsvRead : public testing::Test
{
protected:
    CsvRead() { columns.useY = true; }

    DataReadReport readFile(const std::string &path, int startRow = 1, bool pathColumns = false)
    {
        columns.path = path;
        columns.startRow = startRow;
        DataReadReport report;
        rows = loadDataColumns(columns, series, pathColumns, &report);
        return report;
    }
    DataReadReport readText(const std::string &text, int startRow = 1, bool pathColumns = false)
    {
        return readFile(dir.write("data.csv", text), startRow, pathColumns);
    }
    // What the read gives the diagrams: rows, the last index, and X and Y of every row.
    auto values() const
    {
        const auto n = static_cast<long>(rows);
        return std::tuple(rows, series.lastIndex,
            std::vector(series.x.begin(), series.x.begin() + n),
            std::vector(series.y.begin(), series.y.begin() + n));
    }

    TempDir dir;
    DataColumns columns;
    DataSeries series;
    int rows = 0;
};

TEST_F(CsvRead, everyRowWithNumbersIsRead_quotedFieldsAsSpreadsheetsWriteThem)
{
    using V = std::vector<double>;
    // name, text, X column, Y column, X and Y of every row read
    const std::tuple<const char *, std::string, int, int, V, V> cases[] = {
        { "heading at row one left out", "x,y\n3,4\n", 1, 2, { 3 }, { 4 } },
        { "empty and blank lines skipped", "1,2\r\n\r\n3,4\r\n \t\n5,6", 1, 2, { 1, 3, 5 },
            { 2, 4, 6 } },
        { "lone CR line ends", "1,2\r3,4\r5,6\r", 1, 2, { 1, 3, 5 }, { 2, 4, 6 } },
        { "short line keeps earlier fields", "3,4\n5\n", 1, 2, { 3, 5 }, { 4, 4 } },
        { "empty fields hold no number", "1.5,,3\n,7\n4,5,\n", 1, 3, { 1.5 }, { 3 } },
        { "columns outside the table", "1,2\n", 0, 1025, { 0 }, { 0 } },
        { "trailing text and exponent", "1e3 ,  2.5abc\n", 1, 2, { 1000 }, { 2.5 } },
        { "Total line left out", "1,2\n3,5\nTotal,7\n", 1, 2, { 1, 3 }, { 2, 5 } },
        { "quoted numbers", "\"26.44\",\"25.50\"\n", 1, 2, { 26.44 }, { 25.5 } },
        { "quoted decimal commas", "\"26,44\",\"25,50\"\n\"1,5\", \"-2,25\"\n", 1, 2,
            { 26.44, 1.5 }, { 25.5, -2.25 } },
        { "separator and quotes inside quotes", "\"a,\"\"b\"\"\",3,4\n", 2, 3, { 3 }, { 4 } },
        { "line break inside quotes", "\"note\nmore\",1,2\n\"x\",3,4\n", 2, 3, { 1, 3 }, { 2, 4 } },
    };
    for (const auto &[name, text, xColumn, yColumn, x, y] : cases) {
        SCOPED_TRACE(name);
        columns.xColumn = xColumn;
        columns.yColumn = yColumn;
        readText(text);
        const int count = static_cast<int>(x.size());
        EXPECT_EQ(values(), std::tuple(count, count - 1, x, y));
    }
}

TEST_F(CsvRead, wholeFilesAreRead_beyondTheLimitTheReadIsRefused)
{
    std::string text = "x,y\n";
    for (int i = 0; i < 12000; ++i)
        text += std::to_string(i) + ",5\n";
    readText(text, 2);
    EXPECT_EQ(
        std::tuple(rows, series.lastIndex, series.x.back()), std::tuple(12000, 11999, 11999.0));

    // Past the limit (ten million rows; five here) nothing is kept, and the limit is told.
    columns.rowLimit = 5;
    EXPECT_EQ(readText("1\n2\n3\n4\n5\n").outcome, Outcome::Read);
    const DataReadReport refused = readText("1\n2\n3\n4\n5\n6\n");
    EXPECT_EQ(std::tuple(rows, series.size(), refused.outcome),
        std::tuple(0, std::size_t { 0 }, Outcome::TooManyRows));
    EXPECT_NE(dataReadMessage(refused).find("読めるのは 5 行までです"), std::string::npos);
    static_assert(kMaxDataRows >= 10'000'000);
}

// What a read leaves out is told: how many lines of each kind, with the first line numbers; empty
// lines after the last row are no gap and are not counted.
TEST_F(CsvRead, report_leftOutLinesAreCountedWithTheirLineNumbers)
{
    std::string text = "a,b\n1,2\n \t\n3,4\nN/A,5\n6,x\n"; // line 3 is blank, not empty
    for (int i = 0; i < 6; ++i)
        text += "\n";
    text += "7,8\n,9\n\n\n";
    const DataReadReport report = readText(text, 2);
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(series.line, (std::vector { 2, 4, 13 })); // what the slider names
    using Skip = DataReadReport::SkippedLines;
    const auto lines = [](const Skip &s) { return std::pair(s.count, s.firstLines); };
    EXPECT_EQ(
        lines(report.skipped[DataReadReport::EmptyLine]), lines(Skip { 7, { 3, 7, 8, 9, 10 } }));
    EXPECT_EQ(lines(report.skipped[DataReadReport::NoNumber]), lines(Skip { 3, { 5, 6, 14 } }));
    const std::string message = dataReadMessage(report);
    for (const char *told : { "データファイルから 3 行を読みました。",
             "空行 7 行を読み飛ばしました (3, 7, 8, 9, 10 行目ほか)。",
             "数値のない行 3 行をデータから除きました (5, 6, 14 行目)。" })
        EXPECT_NE(message.find(told), std::string::npos) << message;
    EXPECT_EQ(dataReadNote(report),
        "3 行を読みました。除いた行: 空行 7 (3, 7, 8, 9, 10 行目ほか)、数値のない行 3 (5, 6, 14 "
        "行目)");
    EXPECT_EQ(dataReadNote(readText("1,2\n3,4\n\n\n")), "");
}

// Rows the file's dialect would cut wrongly are left out and told, wherever they stand.
TEST_F(CsvRead, dialect_rowsOfAnotherDialectAreLeftOut)
{
    std::string integers;
    for (int i = 0; i < 16; ++i)
        integers += std::to_string(i) + "," + std::to_string(10 * i) + "\n";
    // name, text, rows read, first line left out
    const std::tuple<const char *, std::string, int, int> cases[] = {
        { "decimal comma after sixteen integer rows", integers + "16,5;160,75\n17,170\n", 17, 17 },
        { "semicolon rows after comma rows", "1.5,2\n2.5,3\n3.5,4\n4.5;5\n5.5;6\n", 3, 4 },
        { "semicolon text in a comma file stays", "1,2,a;b\n3,4,c;d\n", 2, 0 },
    };
    for (const auto &[name, text, count, firstLine] : cases) {
        SCOPED_TRACE(name);
        const DataReadReport report = readText(text);
        EXPECT_EQ(std::tuple(rows, report.skipped[DataReadReport::OtherDialect].firstLines[0]),
            std::tuple(count, firstLine));
    }
}

TEST_F(CsvRead, dialect_theSameDataInEveryDialectAndEncodingReadsAsTheCommaFile)
{
    const std::string comma = "height,weight\r\n165.9,67.1\r\n170.2,70.5\r\n158.4,-55\r\n"
                              "181,8.025e1\r\n162.5,59.75,note\r\n.5,1\r\n";
    EXPECT_EQ(dataReadMessage(readText(comma, 2)), "");
    ASSERT_EQ(rows, 6);
    const auto expected = values();

    const CsvDialect semicolonComma { ';', ',' }, tabComma { '\t', ',' };
    // name, file bytes, dialect the read must name
    const std::tuple<const char *, std::string, CsvDialect> cases[] = {
        { "semicolon, decimal comma", swapped(comma, ';', ','), semicolonComma },
        { "semicolon, decimal point", swapped(comma, ';', '.'), { ';', '.' } },
        { "tab, decimal comma", swapped(comma, '\t', ','), tabComma },
        { "UTF-8 mark", "\xEF\xBB\xBF" + comma, kCommaDialect },
        { "UTF-16 LE, tab, decimal comma", utf16File(asciiUnits(swapped(comma, '\t', ',')), false),
            tabComma },
    };
    for (const auto &[name, bytes, dialect] : cases) {
        SCOPED_TRACE(name);
        const DataReadReport report = readText(bytes, 2);
        EXPECT_EQ(report.dialect, dialect);
        EXPECT_EQ(values(), expected);
        const std::string message = dataReadMessage(report);
        EXPECT_EQ(
            message.find(csvDialectName(dialect)) != std::string::npos, dialect != kCommaDialect)
            << message;
    }
    EXPECT_EQ(dataReadMessage(readText("1;2\n3;4\n")),
        "データファイルから 2 行を読みました。\n" + dir.file("data.csv")
            + "\nこのファイルは「区切り文字: セミコロン、小数点: ピリオド」として読みました。");
}

TEST_F(CsvRead, dialect_filesThatReadAsWellAtCommasStayCommaFiles)
{
    // name, text, X and Y of the first row
    const std::tuple<const char *, std::string, double, double> cases[] = {
        { "integers", "1,5\n2,6\n3,7\n", 1, 5 },
        { "one column", "1\n2\n", 1, 0 },
        { "tab after each comma", "1,\t5\n2,\t6\n", 1, 5 },
        { "semicolons in a text column", "1.5,2.5,a;b\n2.5,3.5,c;d\n", 1.5, 2.5 },
        { "a heading with digits among many rows", "x1;y1\n1.5,2\n2,3\n4,5\n", 1.5, 2 },
    };
    for (const auto &[name, text, x, y] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(readText(text).dialect, kCommaDialect);
        EXPECT_EQ(std::pair(series.x[0], series.y[0]), std::pair(x, y));
    }
}

// Each way to get no data row names its cause, with the file; the read itself stays as it was.
TEST_F(CsvRead, report_noDataRow_namesTheFileAndTheCause)
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
        { "no number after the heading", dir.write("blank.csv", "x,y\n\nTotal,3\n\n"), 2,
            Outcome::NoDataRow, 4, -1, "データ開始行 2 行目から後に数値の行がありません" },
    };
    for (const auto &[name, path, startRow, outcome, lines, lastIndex, cause] : cases) {
        SCOPED_TRACE(name);
        series.lastIndex = 5;
        const DataReadReport report = readFile(path, startRow);
        EXPECT_EQ(std::tuple(rows, series.lastIndex, report.outcome, report.linesInFile),
            std::tuple(0, lastIndex, outcome, lines));
        const std::string message = dataReadMessage(report);
        EXPECT_NE(message.find(cause), std::string::npos) << message;
        EXPECT_NE(message.find("\n" + path), std::string::npos) << message;
    }
}

TEST_F(CsvRead, report_fieldsWithoutNumbersAndMissingColumns_areCountedFromTheirFirstLine)
{
    // A heading read as data (both fields of line 1 without a number) is named as one, and the
    // next start row suggested; from there the file is clean.
    const char *heading = "height,weight\n172.1,53.7\n162.0,54.5\n";
    const DataReadReport headingRead = readText(heading);
    EXPECT_NE(
        dataReadMessage(headingRead).find("データ開始行を 2 にしてください。"), std::string::npos);
    EXPECT_EQ(dataReadMessage(readText(heading, 2)), "");
    // A file of that one line is a row without numbers, not a heading.
    EXPECT_EQ(dataReadMessage(readText("height,weight\n")).find("見出し"), std::string::npos);

    // Line 3 has text for Y and line 6 an empty X: both left out. Line 5 ends before Y and keeps
    // line 4's text; "-.5" and " 7" are numbers as the reader takes them.
    DataReadReport report = readText("x,y\n1,2\n3,n/a\n-.5, 7\n9\n,1e3x\n", 2);
    EXPECT_EQ(
        values(), std::tuple(3, 2, std::vector { 1.0, -0.5, 9.0 }, std::vector { 2.0, 7.0, 7.0 }));
    const auto &y = report.columns[DataReadReport::Y];
    EXPECT_EQ(std::tuple(y.missingRows, y.firstMissingLine), std::tuple(1, 5));
    const std::string message = dataReadMessage(report);
    EXPECT_NE(message.find("Y (2 列目): この列がない行が 1 行 (最初は 5 行目)"), std::string::npos);
    EXPECT_NE(message.find("前の行のその列の値"), std::string::npos);
    EXPECT_EQ(message.find("見出し"), std::string::npos);
}

// Only a path read takes the direction and speed columns, the speeds from the first row alone,
// and tells when the heading line it skips holds numbers: then it was most likely data.
TEST_F(CsvRead, report_pathColumns_areReadAndChecked_speedsOnlyOnTheFirstRow)
{
    columns.useDirection = columns.useInterpSpeed = columns.usePlotSpeed = true;
    const char *text = "X,Y,D,I,P\n1,2,90,1000,-50.9\n3,4,180,7,8\n5,6,east\n";
    EXPECT_FALSE(readText(text, 2, true).headingHoldsNumbers);
    EXPECT_EQ(std::tie(series.direction[1], series.firstRowInterpSpeed, series.firstRowPlotSpeed),
        std::tuple(180.0, 1000.0, -50.9));
    EXPECT_EQ(rows, 2); // line 4's direction holds no number
    const DataReadReport report = readText("1,2,90,x\n", 1, true);
    EXPECT_EQ(std::tuple(rows, report.columns[DataReadReport::InterpSpeed].notNumberRows,
                  report.columns[DataReadReport::PlotSpeed].missingRows),
        std::tuple(1, 1, 1));

    const std::string numbers = dir.write("p.csv", "0;0;90\n10;5;90\n20;5;90\n");
    EXPECT_NE(dataReadMessage(readFile(numbers, 2, true))
                  .find("1 行目は見出し行として読み飛ばしましたが"),
        std::string::npos);
    // The correlation diagram's heading lines are the person's own choice.
    EXPECT_FALSE(readFile(numbers, 2, false).headingHoldsNumbers);
}

} // namespace
