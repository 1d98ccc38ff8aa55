#include "data/Translate.h"

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

} // namespace
