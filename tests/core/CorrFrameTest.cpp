#include "correlation/core/CorrFrame.h"

#include "data/RangeWidening.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

using Bounds = std::array<int, 4>; // X max, X min, Y max, Y min

Bounds bounds(const CorrFrame &f) { return { f.xMax, f.xMin, f.yMax, f.yMin }; }

CorrFrame automaticFrame(const Bounds &widened)
{
    CorrFrame frame;
    std::tie(frame.xMax, frame.xMin, frame.yMax, frame.yMin)
        = std::tuple(widened[0], widened[1], widened[2], widened[3]);
    computeFrame(frame, CorrSetupValues {});
    return frame;
}

CorrFrame manualFrame(double xTop, double xBottom, double yTop, double yBottom)
{
    CorrSetupValues setup;
    setup.autoScale = false;
    setup.frameXTop = xTop;
    setup.frameXBottom = xBottom;
    setup.frameYTop = yTop;
    setup.frameYBottom = yBottom;
    CorrFrame frame;
    computeFrame(frame, setup);
    return frame;
}

TEST(CorrFrame, automaticScaleIsSymmetricWithTheLargerMagnitude)
{
    DataSeries points;
    points.x[0] = 57.3;
    points.x[1] = 2.1;
    points.y[0] = -12;
    points.y[1] = -987;
    points.lastIndex = 1;
    CorrFrame state;
    widenFrameToData(state, points);
    computeFrame(state, CorrSetupValues {});
    EXPECT_EQ(bounds(state), (Bounds { 60, -60, 1070, -1070 }));
    EXPECT_EQ(toPixelX(state, 57.3), 409);

    const CorrFrame edges = automaticFrame({ 60, 0, 20, -5 });
    EXPECT_EQ(toPixelX(edges, -60), 117);
    EXPECT_EQ(toPixelY(edges, 20), 25);
    EXPECT_EQ(toPixelY(edges, -20), 324);
    EXPECT_EQ(bounds(automaticFrame({ 5, 5, -7, -7 })), (Bounds { 5, -5, 7, -7 }));
}

TEST(CorrFrame, manualFrameTruncatesAndCentres)
{
    const CorrFrame state = manualFrame(100.9, -50.2, 20.0, -20.0);
    EXPECT_EQ(bounds(state), (Bounds { 100, -50, 20, -20 }));
    EXPECT_EQ(state.centreX, 25.0);
    EXPECT_EQ(state.offsetX, 49);
    EXPECT_EQ(toPixelX(state, 25.0), 267);
    EXPECT_EQ(toPixelY(state, 0.0), 175);
}

TEST(CorrFrame, zeroRangeGivesScaleOne)
{
    const CorrFrame automatic = automaticFrame({ 0, 0, 0, 0 });
    EXPECT_EQ(automatic.scaleX, 1.0);
    EXPECT_EQ(automatic.scaleY, 1.0);
    const CorrFrame manual = manualFrame(5.5, 5.2, -3.0, -3.9);
    EXPECT_EQ(manual.scaleX, 1.0);
    EXPECT_EQ(manual.scaleY, 1.0);
    EXPECT_EQ(manual.offsetX, 5);
    EXPECT_EQ(toPixelX(manual, 5.0), 267);
}

TEST(CorrFrame, extremeBoundsAndValuesStayDefined)
{
    const CorrFrame state = automaticFrame({ 0, kMin, kMin, kMin });
    EXPECT_EQ(state.xMax, kMax);
    EXPECT_EQ(state.xMin, -kMax);
    EXPECT_GT(state.scaleX, 0.0);
    EXPECT_EQ(toPixelX(state, std::nan("")), 0);
    // Beyond any surface, with room left for the offsets drawing adds.
    EXPECT_EQ(toPixelX(state, 1e300), kPixelLimit);
    EXPECT_EQ(toPixelY(state, 1e300), -kPixelLimit);
    EXPECT_EQ(toPixelY(state, -std::numeric_limits<double>::infinity()), kPixelLimit);
    const CorrFrame manual = manualFrame(1e300, -1e300, 100, -100);
    EXPECT_TRUE(std::isfinite(manual.scaleX));
    EXPECT_EQ(manual.offsetX, 0);
}

} // namespace
