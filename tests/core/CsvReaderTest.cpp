#include "data/CsvReader.h"

#include "TempDir.h"
#include "Utf16Text.h"
#include "data/TextLineReader.h"

#include <array>
#include <gtest/gtest.h>
#include <limits>
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

TEST(TextLineReader, crLfBecomesLfLongLinesComeIn499BytePiecesAndNulEndsALine)
{
    TempDir dir;
    EXPECT_EQ(readLines(dir, "a\r\nb\rc\r\n\r\nlast"), (Lines { "a\n", "b\rc\n", "\n", "last" }));
    const std::string x(499, 'x'), y(499, 'y');
    EXPECT_EQ(readLines(dir, x + std::string(101, 'x') + "\r\n" + y + "\n"),
        (Lines { x, std::string(101, 'x') + "\n", y, "\n" }));
    EXPECT_EQ(readLines(dir, std::string("ab\0cd\nef\n", 9)), (Lines { "ab", "ef\n" }));
    // 655 lines of 100 bytes, then a CR LF that straddles the 64 KiB read buffer.
    std::string text;
    for (int i = 0; i < 655; ++i)
        text += std::string(99, 'z') + "\n";
    const Lines lines = readLines(dir, text + std::string(35, 'z') + "\r\nend");
    ASSERT_EQ(lines.size(), 657u);
    EXPECT_EQ(lines[655], std::string(35, 'z') + "\n");
    EXPECT_EQ(lines[656], "end");
    TextLineReader missing(dir.file("missing.txt"));
    EXPECT_FALSE(missing.isOpen() || missing.readLine());
}

TEST(TextLineReader, utf16SurrogatePairsCutByTheReadBufferArriveWhole)
{
    // 64 KiB of UTF-16 end in the middle of the pair: 2 bytes of mark + 32766 units before it.
    std::u16string text;
    for (int i = 0; i < 327; ++i)
        text += asciiUnits(std::string(99, 'a') + "\n");
    text += asciiUnits(std::string(66, 'b')) + u"\U0001F600\r\n相関"; // no line feed at the end
    TempDir dir;
    for (const bool bigEndian : { false, true }) {
        const Lines lines = readLines(dir, utf16File(text, bigEndian));
        ASSERT_EQ(lines.size(), 329u);
        EXPECT_EQ(lines[327], std::string(66, 'b') + "\xF0\x9F\x98\x80\n");
        EXPECT_EQ(lines[328], "相関");
    }
}

class CsvReader : public testing::Test
{
protected:
    int load(const std::string &text, int startRow = 1, bool path = false)
    {
        columns.path = dir.write("data.csv", text);
        columns.startRow = startRow;
        return loadDataColumns(columns, series, path);
    }

    TempDir dir;
    DataColumns columns;
    DataSeries series;
};

TEST_F(CsvReader, fieldsSplitAtEveryCommaAndKeepEarlierLinesValues)
{
    using V = std::vector<double>;
    const double inf = std::numeric_limits<double>::infinity();
    // name, text, X column, Y column, X and Y of every row read
    const std::tuple<const char *, std::string, int, int, V, V> rows[] = {
        { "headingAtRowOneReadsAsZeros", "x,y\n3,4\n", 1, 2, { 0, 3 }, { 0, 4 } },
        { "blankLineEndsTheData", "1,2\r\n3,4\r\n\r\n5,6\r\n", 1, 2, { 1, 3 }, { 2, 4 } },
        { "shortLineKeepsEarlierFields", "3,4\n5\n", 1, 2, { 3, 5 }, { 4, 4 } },
        { "emptyLeadingAndTrailingFields", "1.5,,3\n,7\n4,5,\n", 1, 3, { 1.5, 0, 4 }, { 3, 3, 0 } },
        { "lastLineEndingInAComma", "1,2,3\n4,,", 2, 3, { 2, 0 }, { 3, 0 } },
        { "columnsOutsideTheTable", "1,2\n", 0, 1025, { 0 }, { 0 } },
        { "trailingTextAndExponent", "1e3 ,  2.5abc\n", 1, 2, { 1000 }, { 2.5 } },
        { "overlongLineGoesOnAsARow", "7," + std::string(600, '9') + "\n", 1, 2, { 7, 1e103 },
            { inf, inf } },
    };
    columns.useY = true;
    for (const auto &[name, text, xColumn, yColumn, x, y] : rows) {
        SCOPED_TRACE(name);
        columns.xColumn = xColumn;
        columns.yColumn = yColumn;
        const int count = load(text);
        EXPECT_EQ(series.lastIndex, count - 1);
        EXPECT_EQ(V(series.x.begin(), series.x.begin() + count), x);
        EXPECT_EQ(V(series.y.begin(), series.y.begin() + count), y);
    }
}

TEST_F(CsvReader, rowsBeyondTheCapacityAreIgnored)
{
    std::string text = "12,3\n987,47\n";
    for (int i = 2; i < kPointCapacity + 5; ++i)
        text += std::to_string(i) + ",5\n";
    columns.xColumn = 1;
    EXPECT_EQ(load(text), kPointCapacity);
    EXPECT_EQ(series.lastIndex, 9999);
    EXPECT_EQ(series.x[9999], 9999.0);
}

} // namespace
