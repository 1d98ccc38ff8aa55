#include "correlation/core/CorrFrame.h"

#include "data/RangeWidening.h"
#include "mainwnd/RunState.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

RunState automaticFrame(int xMax, int xMin, int yMax, int yMin)
{
    RunState state;
    state.corrAutoScale = true;
    state.frameXMax = xMax;
    state.frameXMin = xMin;
    state.frameYMax = yMax;
    state.frameYMin = yMin;
    computeFrame(state);
    return state;
}

TEST(CorrFrame, automaticScaleIsSymmetricWithTheLargerMagnitude)
{
    RunState state;
    state.corrAutoScale = true;
    widenFrameRange(state, 57.3, 2.1, 1);
    widenFrameRange(state, -12, -987, 2);
    EXPECT_EQ(state.frameXMax, 60);
    EXPECT_EQ(state.frameXMin, 0);
    computeFrame(state);
    EXPECT_EQ(state.frameXMin, -60);
    EXPECT_EQ(state.frameXMax, 60);
    EXPECT_DOUBLE_EQ(state.corrScaleX, 299.0 / 120.0);
    EXPECT_EQ(state.frameCentreX, 0.0);
    EXPECT_EQ(state.corrOffsetX, 0);
    EXPECT_EQ(toPixelX(state, 57.3), 409);
    EXPECT_EQ(state.frameYMax, 1070);
    EXPECT_EQ(state.frameYMin, -1070);
}

TEST(CorrFrame, automaticEdgesMapOntoTheFrameLines)
{
    const RunState state = automaticFrame(60, 0, 20, -5);
    EXPECT_EQ(toPixelX(state, -60), 117);
    EXPECT_EQ(toPixelX(state, 60), 416);
    EXPECT_EQ(toPixelY(state, 20), 25);
    EXPECT_EQ(toPixelY(state, -20), 324);
}

TEST(CorrFrame, equalPositiveBoundsStaySymmetric)
{
    const RunState state = automaticFrame(5, 5, -7, -7);
    EXPECT_EQ(state.frameXMax, 5);
    EXPECT_EQ(state.frameXMin, -5);
    EXPECT_GT(state.corrScaleX, 0.0);
    EXPECT_EQ(state.frameYMax, 7);
    EXPECT_EQ(state.frameYMin, -7);
}

TEST(CorrFrame, zeroRangeGivesScaleOne)
{
    const RunState automatic = automaticFrame(0, 0, 0, 0);
    EXPECT_EQ(automatic.corrScaleX, 1.0);
    EXPECT_EQ(automatic.corrScaleY, 1.0);

    RunState manual;
    manual.corrFrameXTop = 5.5;
    manual.corrFrameXBottom = 5.2;
    manual.corrFrameYTop = -3.0;
    manual.corrFrameYBottom = -3.9;
    computeFrame(manual);
    EXPECT_EQ(manual.corrScaleX, 1.0);
    EXPECT_EQ(manual.frameCentreX, 5.0);
    EXPECT_EQ(manual.corrOffsetX, 5);
    EXPECT_EQ(manual.corrScaleY, 1.0);
    EXPECT_EQ(toPixelX(manual, 5.0), 267);
}

TEST(CorrFrame, manualFrameTruncatesAndCentres)
{
    RunState state;
    state.corrFrameXTop = 100.9;
    state.corrFrameXBottom = -50.2;
    state.corrFrameYTop = 20.0;
    state.corrFrameYBottom = -20.0;
    computeFrame(state);
    EXPECT_EQ(state.frameXMax, 100);
    EXPECT_EQ(state.frameXMin, -50);
    EXPECT_NEAR(state.corrScaleX, 1.99333, 1e-5);
    EXPECT_EQ(state.frameCentreX, 25.0);
    EXPECT_EQ(state.corrOffsetX, 49);
    EXPECT_EQ(toPixelX(state, 25.0), 267);
    EXPECT_EQ(toPixelY(state, 0.0), 175);
}

TEST(CorrFrame, extremeBoundsAndValuesStayDefined)
{
    constexpr int kMin = std::numeric_limits<int>::min();
    const RunState state = automaticFrame(0, kMin, kMin, kMin);
    EXPECT_EQ(state.frameXMax, std::numeric_limits<int>::max());
    EXPECT_EQ(state.frameXMin, -std::numeric_limits<int>::max());
    EXPECT_GT(state.corrScaleX, 0.0);
    EXPECT_EQ(toPixelX(state, std::nan("")), 0);
    EXPECT_EQ(toPixelX(state, 1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(toPixelY(state, 1e300), kMin);

    RunState manual;
    manual.corrFrameXTop = 1e300;
    manual.corrFrameXBottom = -1e300;
    computeFrame(manual);
    EXPECT_TRUE(std::isfinite(manual.corrScaleX));
    EXPECT_EQ(manual.corrOffsetX, 0);
}

} // namespace
