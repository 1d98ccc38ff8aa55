#include "data/NumberText.h"

#include "data/TruncToInt.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(ParseDouble, takesTheLongestDecimalPrefixAsAtofDoes)
{
    const std::tuple<const char *, double> rows[]
        = { { " \t-2.5e3xyz", -2500.0 }, { "+.5", 0.5 }, { "5.", 5.0 }, { "\n3", 3.0 },
              { "12.25\n", 12.25 }, { "1e", 1.0 }, { "1e+", 1.0 }, { "", 0.0 }, { ".", 0.0 },
              { "-", 0.0 }, { "1,5", 1.0 }, { "0x10", 0.0 }, { "inf", 0.0 }, { "1e400", kInf },
              { "-1e400", -kInf }, { "1e-400", 0.0 }, { "0.000000000000000000001e-390", 0.0 } };
    for (const auto &[text, expected] : rows)
        EXPECT_EQ(parseDouble(text), expected) << '"' << text << '"';
    EXPECT_TRUE(std::signbit(parseDouble("-0")));
    EXPECT_FALSE(std::signbit(parseDouble("-")));
}

TEST(ParseInt, followsAtoiAndSaturates)
{
    const std::tuple<const char *, int> rows[]
        = { { "  42abc", 42 }, { "-17", -17 }, { "3.9", 3 }, { "x1", 0 },
              { "99999999999999999999", kMax }, { "-99999999999", kMin }, { "-2147483648", kMin } };
    for (const auto &[text, expected] : rows)
        EXPECT_EQ(parseInt(text), expected) << text;
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

TEST(FormatReadout, dropsTheSignOnlyWhereTheValueRoundsToZero)
{
    EXPECT_EQ(formatReadout(-0.04, 1), "0.0");
    EXPECT_EQ(formatReadout(-0.0, 2), "0.00");
    EXPECT_EQ(formatReadout(-0.004, 2), "0.00");
    EXPECT_EQ(formatReadout(-0.05, 1), "-0.1");
    EXPECT_EQ(formatReadout(-0.006, 2), "-0.01");
    EXPECT_EQ(formatReadout(-10.0, 1), "-10.0");
    std::string text = "(";
    appendReadout(text, -0.01, 1);
    EXPECT_EQ(text, "(0.0");
}

TEST(TruncToInt, isDefinedForEveryDouble)
{
    const std::tuple<double, int> rows[] = { { -2.9, -2 }, { std::nan(""), 0 },
        { 2147483647.9, kMax }, { -2147483648.9, kMin }, { 1e300, kMax }, { -kInf, kMin } };
    for (const auto &[value, expected] : rows)
        EXPECT_EQ(truncToInt(value), expected) << value;
}

} // namespace
