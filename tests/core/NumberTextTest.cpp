#include "data/NumberText.h"

#include "data/TruncToInt.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

struct DoubleCase
{
    const char *name;
    const char *text;
    double expected;
};

class ParseDouble : public testing::TestWithParam<DoubleCase>
{
};

TEST_P(ParseDouble, takesTheLongestDecimalPrefix)
{
    EXPECT_EQ(parseDouble(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(AtofRules, ParseDouble,
    testing::Values(DoubleCase { "plain", "1.5", 1.5 },
        DoubleCase { "leadingSpaceAndTrailingText", " \t-2.5e3xyz", -2500.0 },
        DoubleCase { "leadingPlusAndBarePoint", "+.5", 0.5 },
        DoubleCase { "trailingPoint", "5.", 5.0 },
        DoubleCase { "trailingLineFeed", "12.25\n", 12.25 },
        DoubleCase { "leadingLineFeed", "\n3", 3.0 },
        DoubleCase { "exponentWithoutDigitsIgnored", "1e", 1.0 },
        DoubleCase { "exponentSignWithoutDigitsIgnored", "1e+", 1.0 },
        DoubleCase { "exponentWithPlus", "1e+3", 1000.0 }, DoubleCase { "empty", "", 0.0 },
        DoubleCase { "pointAlone", ".", 0.0 }, DoubleCase { "signAlone", "-", 0.0 },
        DoubleCase { "letters", "abc", 0.0 }, DoubleCase { "commaIsNoPoint", "1,5", 1.0 },
        DoubleCase { "hexIsNotRead", "0x10", 0.0 }, DoubleCase { "infIsNotRead", "inf", 0.0 },
        DoubleCase { "overflow", "1e400", std::numeric_limits<double>::infinity() },
        DoubleCase { "negativeOverflow", "-1e400", -std::numeric_limits<double>::infinity() },
        DoubleCase { "underflow", "1e-400", 0.0 },
        DoubleCase { "manyDigitsUnderflow", "0.000000000000000000001e-390", 0.0 }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(ParseDouble, keepsTheSignOfZero)
{
    EXPECT_TRUE(std::signbit(parseDouble("-0")));
    EXPECT_FALSE(std::signbit(parseDouble("-")));
}

TEST(ParseInt, followsAtoiAndSaturates)
{
    EXPECT_EQ(parseInt("  42abc"), 42);
    EXPECT_EQ(parseInt("-17"), -17);
    EXPECT_EQ(parseInt("+8"), 8);
    EXPECT_EQ(parseInt("3.9"), 3);
    EXPECT_EQ(parseInt("x1"), 0);
    EXPECT_EQ(parseInt(""), 0);
    EXPECT_EQ(parseInt("99999999999999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ(parseInt("-99999999999"), std::numeric_limits<int>::min());
    EXPECT_EQ(parseInt("-2147483648"), std::numeric_limits<int>::min());
}

TEST(FormatFixed, matchesPrintfInTheCLocaleIncludingTies)
{
    // k / 128 has exact ties at the seventh decimal; k * 0.05 and k / 1024 at the first and second.
    for (int k = -2000; k <= 2000; ++k) {
        for (double value : { k / 128.0, k * 0.05, k / 1024.0, k * 1234.5678 }) {
            for (int decimals : { 1, 2, 6 }) {
                char expected[512];
                std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
                ASSERT_EQ(formatFixed(value, decimals), expected) << value;
            }
        }
    }
    EXPECT_EQ(formatFixed(-0.0, 6), "-0.000000");
    EXPECT_EQ(formatFixed(1e308, 6).size(), 316u);
}

TEST(TruncToInt, isDefinedForEveryDouble)
{
    EXPECT_EQ(truncToInt(2.9), 2);
    EXPECT_EQ(truncToInt(-2.9), -2);
    EXPECT_EQ(truncToInt(std::nan("")), 0);
    EXPECT_EQ(truncToInt(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(
        truncToInt(-std::numeric_limits<double>::infinity()), std::numeric_limits<int>::min());
    EXPECT_EQ(truncToInt(2147483647.9), std::numeric_limits<int>::max());
    EXPECT_EQ(truncToInt(-2147483648.9), std::numeric_limits<int>::min());
}

} // namespace
