#include "data/CsvDialect.h"

#include "TempDir.h"
#include "Utf16Text.h"
#include "correlation/core/CorrStatistics.h"
#include "data/CsvReader.h"
#include "data/DataReadMessage.h"
#include "data/DataReadReport.h"
#include "data/TextLineReader.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::string swapped(std::string text, char separator, char mark)
{
    for (char &c : text)
        c = c == ',' ? separator : (c == '.' ? mark : c);
    return text;
}

struct Read
{
    std::unique_ptr<DataSeries> series = std::make_unique<DataSeries>();
    DataReadReport report;
    int rows = 0;
};

Read readFile(const std::string &path, int startRow = 1, bool pathColumns = false)
{
    DataColumns columns;
    columns.path = path;
    columns.startRow = startRow;
    columns.useY = true;
    Read read;
    read.rows = loadDataColumns(columns, *read.series, pathColumns, &read.report);
    return read;
}

// Everything the correlation diagram shows of a read.
auto statistics(const Read &read)
{
    const DataSeries &s = *read.series;
    const std::size_t n = static_cast<std::size_t>(read.rows);
    CorrStatistics stats;
    computeRegression(stats, s, s.lastIndex);
    computeCorrelationTerms(stats, s, s.lastIndex);
    return std::tuple(read.rows, std::vector(s.x.begin(), s.x.begin() + n),
        std::vector(s.y.begin(), s.y.begin() + n), stats.meanX, stats.meanY, stats.slope,
        stats.intercept, correlationCoefficient(stats));
}

TEST(CsvDialect, theSameDataInEveryDialectAndEncodingGivesTheCommaFilesStatistics)
{
    const std::string comma = "height,weight\r\n165.9,67.1\r\n170.2,70.5\r\n158.4,-55\r\n"
                              "181,8.025e1\r\n162.5,59.75,note\r\n.5,1\r\n";
    TempDir dir;
    const Read plain = readFile(dir.write("comma.csv", comma), 2);
    ASSERT_EQ(plain.rows, 6);
    const auto expected = statistics(plain);
    EXPECT_EQ(dataReadMessage(plain.report), "");

    const CsvDialect semicolonComma { ';', ',' }, tabComma { '\t', ',' };
    // name, file bytes, dialect the read must name
    const std::tuple<const char *, std::string, CsvDialect> rows[] = {
        { "semicolon, decimal comma", swapped(comma, ';', ','), semicolonComma },
        { "semicolon, decimal point", swapped(comma, ';', '.'), { ';', '.' } },
        { "tab, decimal comma", swapped(comma, '\t', ','), tabComma },
        { "tab, decimal point", swapped(comma, '\t', '.'), { '\t', '.' } },
        { "UTF-8 mark", "\xEF\xBB\xBF" + comma, kCommaDialect },
        { "UTF-16 LE, tab, decimal comma", utf16File(asciiUnits(swapped(comma, '\t', ',')), false),
            tabComma },
        { "UTF-16 BE, semicolon, decimal comma",
            utf16File(asciiUnits(swapped(comma, ';', ',')), true), semicolonComma },
        { "UTF-16 LE, comma", utf16File(asciiUnits(comma), false), kCommaDialect },
    };
    for (const auto &[name, bytes, dialect] : rows) {
        SCOPED_TRACE(name);
        const Read read = readFile(dir.write("other.csv", bytes), 2);
        EXPECT_EQ(read.report.dialect, dialect);
        EXPECT_EQ(statistics(read), expected);
        const std::string message = dataReadMessage(read.report);
        EXPECT_EQ(
            message.find(csvDialectName(dialect)) != std::string::npos, dialect != kCommaDialect)
            << message;
    }
    EXPECT_EQ(dataReadMessage(readFile(dir.write("s.csv", "1;2\n3;4\n")).report),
        "データファイルを読みました。\n" + dir.file("s.csv")
            + "\nこのファイルは「区切り文字: セミコロン、小数点: ピリオド」として読みました。");
}

TEST(CsvDialect, filesThatReadAsWellAtCommasStayCommaFiles)
{
    // name, text, X and Y of the first row
    const std::tuple<const char *, std::string, double, double> rows[] = {
        { "integers", "1,5\n2,6\n3,7\n", 1, 5 },
        { "one column", "1\n2\n", 1, 0 },
        { "tab after each comma", "1,\t5\n2,\t6\n", 1, 5 },
        { "semicolons in the heading", "x;y\n1.5,2.5\n", 0, 0 },
        { "semicolons in a text column", "1.5,2.5,a;b\n2.5,3.5,c;d\n", 1.5, 2.5 },
        { "a heading with digits among many rows", "x1;y1\n1.5,2\n2,3\n4,5\n", 0, 0 },
    };
    TempDir dir;
    for (const auto &[name, text, x, y] : rows) {
        SCOPED_TRACE(name);
        const Read read = readFile(dir.write("c.csv", text));
        EXPECT_EQ(read.report.dialect, kCommaDialect);
        EXPECT_EQ(std::pair(read.series->x[0], read.series->y[0]), std::pair(x, y));
    }
}

} // namespace
