#include "path/core/TeachingRoute.h"

#include "TempDir.h"
#include "data/NumberText.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Points = std::vector<std::pair<double, double>>;

const SleepFunction kNoWait = [](int) {};

// Teaching points, how they become a route, and the route.
struct Route
{
    TeachingPoints points;
    RouteSettings settings;
    SplineWork spline;
    int zoom = 0;
    DataSeries route;

    TeachingRouteResult build(FileWriteResult *error = nullptr)
    {
        return buildTeachingRoute(points, settings, spline, zoom, route, kNoWait, error);
    }
};

// A straight route (or a curve) through the points, written into dir.
Route routeState(const TempDir &dir, const Points &points, int divisions, bool curve = false)
{
    Route state;
    for (std::size_t i = 0; i < points.size(); ++i)
        std::tie(state.points.x[i], state.points.y[i]) = points[i];
    state.points.count = static_cast<int>(points.size());
    state.settings.divisionCount = divisions;
    state.settings.curve = curve;
    state.settings.filePath = dir.file("route.csv");
    return state;
}

DataSeries stepsState(const Points &points)
{
    DataSeries state;
    for (std::size_t i = 0; i < points.size(); ++i)
        std::tie(state.x[i], state.y[i]) = points[i];
    std::fill(state.direction.begin(), state.direction.end(), 77.0);
    computeDirections(state, 0, static_cast<int>(points.size()) - 1);
    return state;
}

// "Ｘ軸データ,Y軸データ,方向データ,補間速度,ＰＬＯＴ速度" as iconv -t CP932 gives it.
const std::string kHeading = "\x82\x77\x8e\xb2\x83\x66\x81\x5b\x83\x5e,\x59\x8e\xb2\x83\x66\x81"
                             "\x5b\x83\x5e,\x95\xfb\x8c\xfc\x83\x66\x81\x5b\x83\x5e,\x95\xe2\x8a"
                             "\xd4\x91\xac\x93\x78,\x82\x6f\x82\x6b\x82\x6e\x82\x73\x91\xac\x93"
                             "\x78\r\n";

TEST(TeachingRoute, straightRouteDividesEachGapPlaysAndIsWrittenWithCrLf)
{
    TempDir dir;
    Route state = routeState(dir, { { 0, 0 }, { 100, 0 } }, 4);
    state.settings.moveTimeMs = 1000;
    state.settings.plotPeriodMs = 50;
    ASSERT_EQ(state.build(), TeachingRouteResult::Built);
    EXPECT_EQ(state.route.lastIndex, 4);
    EXPECT_EQ(TempDir::read(state.settings.filePath),
        kHeading
            + "0.000000,0.000000,90.000000,1000,50\r\n25.000000,0.000000,90.000000\r\n"
              "50.000000,0.000000,90.000000\r\n75.000000,0.000000,90.000000\r\n"
              "100.000000,0.000000,90.000000\r\n");
}

TEST(TeachingRoute, stepDirectionIsACompassBearing)
{
    const std::tuple<double, double, const char *> rows[]
        = { { 0, 5, "-0.000076" }, { 0, -5, "180.000076" }, { 7, 7, "44.999962" },
              { 3, 4, "36.869853" }, { 5, 0, "90.000000" }, { -5, 0, "270.000000" },
              { 5, -5, "135.000038" }, { -5, -5, "224.999962" } };
    for (const auto &[dx, dy, printed] : rows) {
        const DataSeries state = stepsState({ { 10, 10 }, { 10 + dx, 10 + dy } });
        EXPECT_EQ(formatFixed(state.direction[0], 6), printed);
        EXPECT_EQ(state.direction[1], state.direction[0]);
    }
}

TEST(TeachingRoute, zeroLengthStepsTakeANeighbouringBearing)
{
    const DataSeries state
        = stepsState({ { 0, 0 }, { 0, 0 }, { 5, 0 }, { 5, 0 }, { 5, -5 }, { 5, -5 } });
    const std::vector<double> expected { 90.0, 90.0, 90.0, 180.000076, 180.000076, 180.000076 };
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(state.direction[i], expected[i], 1e-6) << i;
    const DataSeries still = stepsState({ { 3, 3 }, { 3, 3 } });
    EXPECT_EQ(still.direction[0], 0.0);
    EXPECT_EQ(still.direction[1], 0.0);
}

TEST(TeachingRoute, fewerThanTwoPointsBuildNothing)
{
    TempDir dir;
    Route state = routeState(dir, { { 1, 1 } }, 4);
    EXPECT_EQ(state.build(), TeachingRouteResult::TooFewPoints);
    EXPECT_EQ(dir.entryCount(), 0);
}

TEST(TeachingRoute, routesBeyondTheArraysAreRefusedWithoutAFile)
{
    const std::tuple<const char *, int, int, bool, bool> rows[] = {
        // name, points, divisions, curve, fits
        { "hundredAtHundred", 100, 100, false, true },
        { "hundredOneAtHundred", 101, 100, false, false },
        { "tenThousandAtOne", 10000, 1, false, true },
        { "thousandCurve", 1000, 10, true, true },
        { "thousandOneCurve", 1001, 1, true, false },
        { "zeroDivisions", 10, 0, false, false },
    };
    for (const auto &[name, count, divisions, curve, fits] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(teachingRouteFits(count, divisions, curve), fits);
        if (fits)
            continue;
        TempDir dir;
        Route state = routeState(dir, Points(static_cast<std::size_t>(count)), divisions, curve);
        EXPECT_EQ(state.build(), TeachingRouteResult::TooManyPoints);
        EXPECT_EQ(dir.entryCount(), 0);
    }
    EXPECT_EQ(teachingCapacityMessage(1001, true),
        "教示ﾎﾟｲﾝﾄが多すぎます。曲線補間は1000ﾎﾟｲﾝﾄ以下にしてください。");
    EXPECT_EQ(teachingCapacityMessage(500, true),
        "教示ﾎﾟｲﾝﾄが多すぎます。補間後のﾎﾟｲﾝﾄ数を10000以下にしてください。");
}

TEST(TeachingRoute, pointsTooFarOutForItsLines_stillPlay_butLeaveThePreviousFile)
{
    // "%f" writes 1e300 with 301 digits: a row of two of them is longer than a line the reader
    // takes at once, and an infinite value would read back as 0.
    const double inf = std::numeric_limits<double>::infinity();
    for (const Points &points :
        { Points { { 0, 0 }, { 1e300, -1e300 } }, Points { { 0, 0 }, { inf, 5 } } }) {
        TempDir dir;
        Route state = routeState(dir, points, 2);
        dir.write("route.csv", "previous route");
        FileWriteResult error;
        EXPECT_EQ(state.build(&error), TeachingRouteResult::BuiltFileNotWritten);
        EXPECT_EQ(error.error, "route points too far out to be written as path data");
        EXPECT_EQ(TempDir::read(state.settings.filePath), "previous route");
        EXPECT_EQ(state.route.lastIndex, 2);
    }
    TempDir dir;
    Route state = routeState(dir, { { 0, 0 }, { 1e100, -1e100 } }, 2);
    EXPECT_EQ(state.build(), TeachingRouteResult::Built);
}

TEST(TeachingRoute, curveWithTwoPointsFallsBackToStraightLinesAndPlaysWithoutItsFile)
{
    TempDir dir;
    Route state = routeState(dir, { { 0, 0 }, { 100, 50 } }, 2, true);
    state.zoom = 1;
    state.settings.filePath = dir.file("missing/route.csv");
    EXPECT_EQ(state.build(), TeachingRouteResult::BuiltFileNotWritten);
    // The straight route takes the zoom step's scale as the curve would.
    EXPECT_EQ(state.route.x[1], 100.0);
    EXPECT_EQ(state.route.y[1], 50.0);
    EXPECT_EQ(state.route.x[2], 200.0);
    EXPECT_EQ(state.route.lastIndex, 2);
}

} // namespace
