#include "path/core/TeachingRoute.h"

#include "TempDir.h"
#include "data/NumberText.h"
#include "mainwnd/RunState.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

const SleepFunction kNoWait = [](int) {};

void setTeachingPoints(RunState &state, const std::vector<std::pair<double, double>> &points)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        state.teachX[i] = points[i].first;
        state.teachY[i] = points[i].second;
    }
    state.teachCount = static_cast<int>(points.size());
}

void setRoute(RunState &state, const std::vector<std::pair<double, double>> &points)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        state.dataX[i] = points[i].first;
        state.dataY[i] = points[i].second;
    }
}

TEST(TeachingRoute, straightRouteDividesEachGap)
{
    TempDir dir;
    RunState state;
    setTeachingPoints(state, { { 0, 0 }, { 100, 0 } });
    state.linearInterpolation = true;
    state.divisionCount = 4;
    state.dataFilePath = dir.file("route.csv");
    ASSERT_EQ(buildTeachingRoute(state, kNoWait), TeachingRouteResult::Built);
    EXPECT_EQ(state.lastIndex, 4);
    EXPECT_EQ(state.sourceMode, 3);
    EXPECT_EQ(state.plotIndex, 0);
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(state.dataX[static_cast<std::size_t>(i)], 25.0 * i);
        EXPECT_EQ(state.dataY[static_cast<std::size_t>(i)], 0.0);
        EXPECT_EQ(state.dataDirection[static_cast<std::size_t>(i)], 90.0);
    }
}

struct DirectionCase
{
    const char *name;
    double dx, dy;
    const char *printed;
};

class StepDirection : public testing::TestWithParam<DirectionCase>
{
};

TEST_P(StepDirection, isACompassBearing)
{
    RunState state;
    setRoute(state, { { 10, 10 }, { 10 + GetParam().dx, 10 + GetParam().dy } });
    computeDirections(state, 0, 1);
    EXPECT_EQ(formatFixed(state.dataDirection[0], 6), GetParam().printed);
    EXPECT_EQ(state.dataDirection[1], state.dataDirection[0]);
}

INSTANTIATE_TEST_SUITE_P(Steps, StepDirection,
    testing::Values(DirectionCase { "up", 0, 5, "-0.000076" },
        DirectionCase { "down", 0, -5, "180.000076" },
        DirectionCase { "upRight", 7, 7, "44.999962" },
        DirectionCase { "threeFour", 3, 4, "36.869853" },
        DirectionCase { "right", 5, 0, "90.000000" }, DirectionCase { "left", -5, 0, "270.000000" },
        DirectionCase { "downRight", 5, -5, "135.000038" },
        DirectionCase { "upLeft", -5, 5, "315.000038" },
        DirectionCase { "downLeft", -5, -5, "224.999962" }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(TeachingRoute, zeroLengthStepsTakeANeighbouringBearing)
{
    RunState state;
    setRoute(state, { { 0, 0 }, { 0, 0 }, { 5, 0 }, { 5, 0 }, { 5, -5 }, { 5, -5 } });
    computeDirections(state, 0, 5);
    const std::vector<double> expected { 90.0, 90.0, 90.0, 180.000076, 180.000076, 180.000076 };
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(state.dataDirection[i], expected[i], 1e-6) << i;

    RunState still;
    setRoute(still, { { 3, 3 }, { 3, 3 } });
    still.dataDirection[0] = 77.0;
    computeDirections(still, 0, 1);
    EXPECT_EQ(still.dataDirection[0], 0.0);
    EXPECT_EQ(still.dataDirection[1], 0.0);
}

TEST(TeachingRoute, straightTeachingRouteHasOneBearing)
{
    TempDir dir;
    RunState state;
    setTeachingPoints(state, { { 0, 0 }, { 30, 40 }, { 60, 80 }, { 90, 120 } });
    state.linearInterpolation = true;
    state.divisionCount = 7;
    state.dataFilePath = dir.file("route.csv");
    ASSERT_EQ(buildTeachingRoute(state, kNoWait), TeachingRouteResult::Built);
    for (int i = 0; i <= state.lastIndex; ++i)
        EXPECT_NEAR(state.dataDirection[static_cast<std::size_t>(i)], 36.869853, 1e-5);
}

TEST(TeachingRoute, fewerThanTwoPointsBuildNothing)
{
    TempDir dir;
    RunState state;
    setTeachingPoints(state, { { 1, 1 } });
    state.linearInterpolation = true;
    state.dataReady = true;
    state.dataFilePath = dir.file("route.csv");
    EXPECT_EQ(buildTeachingRoute(state, kNoWait), TeachingRouteResult::TooFewPoints);
    EXPECT_FALSE(state.dataReady);
    EXPECT_EQ(state.sourceMode, 0);
    EXPECT_EQ(dir.entryCount(), 0u);
}

struct CapacityCase
{
    const char *name;
    int points;
    int divisions;
    bool curve;
    bool fits;
};

class RouteCapacity : public testing::TestWithParam<CapacityCase>
{
};

TEST_P(RouteCapacity, refusesRoutesBeyondTheArrays)
{
    const CapacityCase &c = GetParam();
    EXPECT_EQ(teachingRouteFits(c.points, c.divisions, c.curve), c.fits);
    if (c.fits)
        return;
    TempDir dir;
    RunState state;
    for (int i = 0; i < c.points; ++i)
        state.teachX[static_cast<std::size_t>(i)] = 10.0 * i;
    state.teachCount = c.points;
    state.divisionCount = c.divisions;
    state.curveInterpolation = c.curve;
    state.linearInterpolation = !c.curve;
    state.dataFilePath = dir.file("route.csv");
    EXPECT_EQ(buildTeachingRoute(state, kNoWait), TeachingRouteResult::TooManyPoints);
    EXPECT_EQ(state.sourceMode, 0);
    EXPECT_EQ(dir.entryCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Limits, RouteCapacity,
    testing::Values(CapacityCase { "hundredAtHundred", 100, 100, false, true },
        CapacityCase { "hundredOneAtHundred", 101, 100, false, false },
        CapacityCase { "tenThousandAtOne", 10000, 1, false, true },
        CapacityCase { "thousandCurve", 1000, 10, true, true },
        CapacityCase { "thousandOneCurve", 1001, 1, true, false },
        CapacityCase { "zeroDivisions", 10, 0, false, false }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(TeachingRoute, capacityMessageNamesTheLimitThatWasHit)
{
    EXPECT_EQ(teachingCapacityMessage(1001, true),
        "教示ﾎﾟｲﾝﾄが多すぎます。曲線補間は1000ﾎﾟｲﾝﾄ以下にしてください。");
    EXPECT_EQ(teachingCapacityMessage(500, true),
        "教示ﾎﾟｲﾝﾄが多すぎます。補間後のﾎﾟｲﾝﾄ数を10000以下にしてください。");
}

TEST(TeachingRoute, curveWithTwoPointsFallsBackToStraightLines)
{
    TempDir dir;
    RunState state;
    setTeachingPoints(state, { { 0, 0 }, { 100, 50 } });
    state.curveInterpolation = true;
    state.divisionCount = 2;
    state.zoomIndex = 1;
    state.dataFilePath = dir.file("route.csv");
    ASSERT_EQ(buildTeachingRoute(state, kNoWait), TeachingRouteResult::Built);
    EXPECT_EQ(state.dataX[1], 50.0);
    EXPECT_EQ(state.dataY[1], 25.0);
    EXPECT_EQ(state.dataX[2], 100.0);
}

TEST(TeachingRoute, unwritableFileStillPlaysTheRoute)
{
    TempDir dir;
    RunState state;
    setTeachingPoints(state, { { 0, 0 }, { 10, 0 } });
    state.linearInterpolation = true;
    state.divisionCount = 2;
    state.plotPeriodMs = 40;
    state.dataFilePath = dir.file("missing/route.csv");
    EXPECT_EQ(buildTeachingRoute(state, kNoWait), TeachingRouteResult::BuiltFileNotWritten);
    EXPECT_EQ(state.sourceMode, 3);
    EXPECT_EQ(state.lastIndex, 2);
    EXPECT_EQ(state.tickPeriodMs, 40);
}

} // namespace
