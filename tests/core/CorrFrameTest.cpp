#include "correlation/core/CorrFrame.h"

#include "data/RangeWidening.h"
#include "mainwnd/RunState.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

using Bounds = std::array<int, 4>; // X max, X min, Y max, Y min

Bounds bounds(const RunState &s) { return { s.frameXMax, s.frameXMin, s.frameYMax, s.frameYMin }; }

RunState automaticFrame(const Bounds &widened)
{
    RunState state;
    state.corrAutoScale = true;
    std::tie(state.frameXMax, state.frameXMin, state.frameYMax, state.frameYMin)
        = std::tuple(widened[0], widened[1], widened[2], widened[3]);
    computeFrame(state);
    return state;
}

RunState manualFrame(double xTop, double xBottom, double yTop, double yBottom)
{
    RunState state;
    state.corrFrameXTop = xTop;
    state.corrFrameXBottom = xBottom;
    state.corrFrameYTop = yTop;
    state.corrFrameYBottom = yBottom;
    computeFrame(state);
    return state;
}

TEST(CorrFrame, automaticScaleIsSymmetricWithTheLargerMagnitude)
{
    RunState state;
    state.corrAutoScale = true;
    widenFrameRange(state, 57.3, 2.1, 1);
    widenFrameRange(state, -12, -987, 2);
    computeFrame(state);
    EXPECT_EQ(bounds(state), (Bounds { 60, -60, 1070, -1070 }));
    EXPECT_EQ(toPixelX(state, 57.3), 409);

    const RunState edges = automaticFrame({ 60, 0, 20, -5 });
    EXPECT_EQ(toPixelX(edges, -60), 117);
    EXPECT_EQ(toPixelY(edges, 20), 25);
    EXPECT_EQ(toPixelY(edges, -20), 324);
    EXPECT_EQ(bounds(automaticFrame({ 5, 5, -7, -7 })), (Bounds { 5, -5, 7, -7 }));
}

TEST(CorrFrame, manualFrameTruncatesAndCentres)
{
    const RunState state = manualFrame(100.9, -50.2, 20.0, -20.0);
    EXPECT_EQ(bounds(state), (Bounds { 100, -50, 20, -20 }));
    EXPECT_EQ(state.frameCentreX, 25.0);
    EXPECT_EQ(state.corrOffsetX, 49);
    EXPECT_EQ(toPixelX(state, 25.0), 267);
    EXPECT_EQ(toPixelY(state, 0.0), 175);
}

TEST(CorrFrame, zeroRangeGivesScaleOne)
{
    const RunState automatic = automaticFrame({ 0, 0, 0, 0 });
    EXPECT_EQ(automatic.corrScaleX, 1.0);
    EXPECT_EQ(automatic.corrScaleY, 1.0);
    const RunState manual = manualFrame(5.5, 5.2, -3.0, -3.9);
    EXPECT_EQ(manual.corrScaleX, 1.0);
    EXPECT_EQ(manual.corrScaleY, 1.0);
    EXPECT_EQ(manual.corrOffsetX, 5);
    EXPECT_EQ(toPixelX(manual, 5.0), 267);
}

TEST(CorrFrame, extremeBoundsAndValuesStayDefined)
{
    const RunState state = automaticFrame({ 0, kMin, kMin, kMin });
    EXPECT_EQ(state.frameXMax, kMax);
    EXPECT_EQ(state.frameXMin, -kMax);
    EXPECT_GT(state.corrScaleX, 0.0);
    EXPECT_EQ(toPixelX(state, std::nan("")), 0);
    // Beyond any surface, with room left for the offsets drawing adds.
    EXPECT_EQ(toPixelX(state, 1e300), kPixelLimit);
    EXPECT_EQ(toPixelY(state, 1e300), -kPixelLimit);
    EXPECT_EQ(toPixelY(state, -std::numeric_limits<double>::infinity()), kPixelLimit);
    const RunState manual = manualFrame(1e300, -1e300, 100, -100);
    EXPECT_TRUE(std::isfinite(manual.corrScaleX));
    EXPECT_EQ(manual.corrOffsetX, 0);
}

} // namespace
