#include "data/RangeWidening.h"

#include "data/RangeScan.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>
#include <utility>

namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(WidenFrameRange, widensByOneStepAndCutsTowardZero)
{
    const std::tuple<const char *, double, double, int, int> rows[] = {
        { "coarseTens", 987, 12, 1070, -70 },
        { "coarseHundreds", 1000, 0, 1100, -100 },
        { "smallStepRaisedToTen", 47, 3, 50, 0 },
        { "leadingDigitThree", 3456, 0, 3700, -300 },
        { "negativeCutTowardZero", -12, -987, 70, -1070 },
        { "fineHundredths", 12.98, 12.5, 13, 12 },
        { "tenWideIsStillFine", 10, 0, 11, -1 },
        { "equalBounds", 5.25, 5.25, 5, 5 },
        { "fineNegative", -0.0345, -0.5, 0, 0 },
        // "%f" rounds 2.9999996 to 3.000000 before the cut, so the low bound is 3, not 2.
        { "cutWorksOnTheRoundedText", 3.0, 2.9999996, 3, 3 },
        { "beyondInt32Saturates", 1e12, -1e12, kMax, kMin },
        { "equalHugeBounds", 1e300, 1e300, kMax, kMax },
    };
    for (const auto &[name, hi, lo, high, low] : rows) {
        const WidenedRange range = widenRange(hi, lo);
        EXPECT_EQ(std::pair(range.high, range.low), std::pair(high, low)) << name;
    }
    EXPECT_EQ(widenRange(std::numeric_limits<double>::infinity(), 0.0).high, kMax);
    widenRange(std::nan(""), 1.0); // defined: the sanitizer build checks the conversion
}

TEST(RangeScan, acceptsEitherOrderAndCutsIndicesToTheArray)
{
    const std::vector<double> values { 3.0, -1.0, 7.0, 7.0, -1.0 };
    EXPECT_EQ(scanMaximum(0, 4, values), 7.0);
    EXPECT_EQ(scanMinimum(4, 0, values), -1.0);
    EXPECT_EQ(scanMaximum(0, 0, values), 3.0);
    EXPECT_EQ(scanMaximum(-1, 50, values), 7.0);
    EXPECT_EQ(scanMinimum(0, -1, values), 3.0);
    EXPECT_EQ(scanMaximum(0, 3, std::vector<double> {}), 0.0);
}

} // namespace
