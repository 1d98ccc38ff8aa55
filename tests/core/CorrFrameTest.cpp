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

using Bounds = std::array<double, 4>; // X max, X min, Y max, Y min

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
    std::tie(setup.frameXTop, setup.frameXBottom, setup.frameYTop, setup.frameYBottom)
        = std::tuple(xTop, xBottom, yTop, yBottom);
    CorrFrame frame;
    computeFrame(frame, setup);
    return frame;
}

TEST(CorrFrame, automaticScaleIsSymmetricWithTheLargerMagnitude)
{
    DataSeries points;
    points.resize(2);
    std::tie(points.x[0], points.x[1], points.y[0], points.y[1]) = std::tuple(57.3, 2.1, -12, -987);
    points.lastIndex = 1;
    CorrFrame state;
    widenFrameToData(state, points);
    computeFrame(state, CorrSetupValues {});
    EXPECT_EQ(bounds(state), (Bounds { 60, -60, 1070, -1070 }));
    EXPECT_EQ(toPixelX(state, 57.3), 409);

    const CorrFrame edges = automaticFrame({ 60, 0, 20, -5 });
    EXPECT_EQ(std::tuple(toPixelX(edges, -60), toPixelY(edges, 20), toPixelY(edges, -20)),
        std::tuple(117, 25, 324));
    EXPECT_EQ(bounds(automaticFrame({ 5, 5, -7, -7 })), (Bounds { 5, -5, 7, -7 }));
}

TEST(CorrFrame, manualFrameTruncatesAndCentres_zeroRangeGivesScaleOne)
{
    const CorrFrame state = manualFrame(100.9, -50.2, 20.0, -20.0);
    EXPECT_EQ(bounds(state), (Bounds { 100, -50, 20, -20 }));
    EXPECT_EQ(std::tuple(state.centreX, state.offsetX, toPixelX(state, 25.0), toPixelY(state, 0.0)),
        std::tuple(25.0, 49, 267, 175));

    const CorrFrame automatic = automaticFrame({ 0, 0, 0, 0 });
    const CorrFrame manual = manualFrame(5.5, 5.2, -3.0, -3.9);
    EXPECT_EQ(std::tuple(automatic.scaleX, automatic.scaleY, manual.scaleX, manual.scaleY),
        std::tuple(1.0, 1.0, 1.0, 1.0));
    EXPECT_EQ(std::tuple(manual.offsetX, toPixelX(manual, 5.0)), std::tuple(5, 267));
}

TEST(CorrFrame, extremeBoundsAndValuesStayDefined)
{
    const CorrFrame state = automaticFrame({ 0, kMin, kMin, kMin });
    EXPECT_EQ(std::tuple(state.xMax, state.xMin), std::tuple(kMax, -kMax));
    // Beyond any surface, with room left for the offsets drawing adds.
    EXPECT_EQ(
        std::tuple(toPixelX(state, std::nan("")), toPixelX(state, 1e300), toPixelY(state, 1e300),
            toPixelY(state, -std::numeric_limits<double>::infinity())),
        std::tuple(0, kPixelLimit, -kPixelLimit, kPixelLimit));
    const CorrFrame manual = manualFrame(1e300, -1e300, 100, -100);
    EXPECT_TRUE(std::isfinite(manual.scaleX) && manual.offsetX == 0);
}

} // namespace
