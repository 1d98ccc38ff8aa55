#include "correlation/core/FitFrame.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace {

// Each range fits inside its frame with room to spare, the edges are multiples of the step and
// their labels read as written.
TEST(FitFrame, edgesAreRoundAndCentredOnTheData)
{
    struct Row
    {
        const char *name;
        double low, high;
        const char *min, *max;
        double centre;
        int decimals;
    };
    const Row rows[] {
        { "all positive (heights)", 150.2, 189.7, "145", "195", 170.0, 1 },
        { "all negative", -90.0, -45.0, "-100", "-40", -70.0, 1 },
        { "straddling 0", -3.0, 7.0, "-4", "8", 2.0, 1 },
        { "one value", 165.0, 165.0, "145", "185", 165.0, 1 },
        { "one value, 0", 0.0, 0.0, "-1", "1", 0.0, 1 },
        { "tiny", 0.0012, 0.0018, "0.0011", "0.0019", 0.0015, 4 },
        { "huge", 2e12, 8e12, "1000000000000", "9000000000000", 5e12, 1 },
        { "near the double limit", -1e308, 1e308, "-1.5e+308", "1.5e+308", 0.0, 1 },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const auto axis = fitAxis(row.low, row.high);
        ASSERT_TRUE(axis);
        EXPECT_EQ(std::tuple(frameEdgeText(axis->min), frameEdgeText(axis->max), axis->centre,
                      axis->decimals),
            std::tuple(row.min, row.max, row.centre, row.decimals));
        EXPECT_LT(axis->min, row.low);
        EXPECT_GT(axis->max, row.high);
    }
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(fitAxis(-inf, 1.0) || fitAxis(0.0, std::nan("")));
}

// Heights against weights: the frame's edges land on the frame's pixels, its centre on the axes'
// crossing; an axis that cannot be fitted keeps the automatic scale.
TEST(FitFrame, framePlacesTheDataInsideTheSquare)
{
    DataSeries points;
    points.resize(3);
    std::tie(points.x[0], points.x[1], points.x[2]) = std::tuple(150.2, 170.0, 189.7);
    std::tie(points.y[0], points.y[1], points.y[2]) = std::tuple(45.0, 60.0, 90.0);
    points.lastIndex = 2;
    CorrFrame frame;
    widenFrameToData(frame, points);
    fitFrameToData(frame, points);
    EXPECT_EQ(std::tuple(frame.xMin, frame.xMax, frame.yMin, frame.yMax),
        std::tuple(145.0, 195.0, 40.0, 100.0));
    EXPECT_EQ(std::tuple(toPixelX(frame, 145.0), toPixelX(frame, 170.0), toPixelX(frame, 195.0)),
        std::tuple(117, 267, 416));
    EXPECT_EQ(std::tuple(toPixelY(frame, 100.0), toPixelY(frame, 70.0), toPixelY(frame, 40.0)),
        std::tuple(25, 175, 324));

    points.y[1] = std::numeric_limits<double>::infinity();
    widenFrameToData(frame, points);
    fitFrameToData(frame, points);
    EXPECT_EQ(std::tuple(frame.xMin, frame.centreY, frame.originY, frame.offsetY),
        std::tuple(145.0, 0.0, 0.0, 0));
}

} // namespace
