#include "data/Translate.h"

#include "data/DataReadMessage.h"
#include "data/DataReadReport.h"

#include <gtest/gtest.h>

namespace {

TEST(Translate, fillIn_putsEachValueInItsSlot_inAnyOrder_andLeavesOtherPercentSignsAlone)
{
    struct Row
    {
        const char *name;
        const char *text;
        std::initializer_list<std::string_view> values;
        const char *expected;
    };
    const Row rows[] = {
        { "in order", "%1 行 (最初は %2 行目)", { "3", "7" }, "3 行 (最初は 7 行目)" },
        { "reordered", "line %2 of %1", { "a.csv", "12" }, "line 12 of a.csv" },
        { "used twice", "%1 行目 … %1 行目", { "4" }, "4 行目 … 4 行目" },
        { "no value for it", "%1 and %2", { "x" }, "x and %2" },
        { "a percent, no slot", "100%", { "x" }, "100%" },
        { "percent then digit zero", "%0 %1", { "x" }, "%0 x" },
        { "value holding a slot", "%1 %2", { "%2", "b" }, "%2 b" },
    };
    for (const Row &row : rows)
        EXPECT_EQ(fillIn(row.text, row.values), row.expected) << row.name;
}

TEST(Translate, aLookupTranslatesTheCoresMessages_andWithoutOneTheTextsStayAsWritten)
{
    DataReadReport report;
    report.path = "/d/a.csv";
    report.outcome = DataReadReport::Outcome::EndsBeforeStartRow;
    report.linesInFile = 1;
    report.startRow = 2;
    const std::string japanese = dataReadMessage(report);
    EXPECT_EQ(japanese,
        "データファイルにデータ行がありません (ファイルは 1 行で、データ開始行 2 "
        "行目がありません)。\n"
        "/d/a.csv");

    // A lookup that knows two of the texts, with their words in another order.
    setTextLookup([](const char *context, const char *source) -> std::string {
        const std::string_view s = source;
        if (std::string_view(context) != "DataRead")
            return source;
        if (s == "データファイルにデータ行がありません (%1)。")
            return "No data rows (%1).";
        if (s == "ファイルは %1 行で、データ開始行 %2 行目がありません")
            return "start row %2 is past the end, line %1";
        return source;
    });
    EXPECT_EQ(
        dataReadMessage(report), "No data rows (start row 2 is past the end, line 1).\n/d/a.csv");
    setTextLookup(nullptr);
    EXPECT_EQ(dataReadMessage(report), japanese);
}

} // namespace
