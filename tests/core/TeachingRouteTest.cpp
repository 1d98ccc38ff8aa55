#include "path/core/TeachingRoute.h"

#include "TempDir.h"
#include "data/CsvReader.h"
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

// Teaching points, how they become a route (straight unless curve), and the route.
struct Route
{
    Route(const TempDir &dir, const Points &from, int divisions, bool curve = false)
    {
        for (std::size_t i = 0; i < from.size(); ++i)
            std::tie(points.x[i], points.y[i]) = from[i];
        points.count = static_cast<int>(from.size());
        settings.divisionCount = divisions;
        settings.curve = curve;
        settings.filePath = dir.file("route.csv");
    }
    TeachingRouteResult build(FileWriteResult *error = nullptr)
    {
        return buildTeachingRoute(points, settings, spline, zoom, route, error);
    }

    TeachingPoints points;
    RouteSettings settings;
    SplineWork spline;
    int zoom = 0;
    DataSeries route;
};

// "Ｘ軸データ,Y軸データ,方向データ,補間速度,ＰＬＯＴ速度" as iconv -t CP932 gives it.
const std::string kHeading = "\x82\x77\x8e\xb2\x83\x66\x81\x5b\x83\x5e,\x59\x8e\xb2\x83\x66\x81"
                             "\x5b\x83\x5e,\x95\xfb\x8c\xfc\x83\x66\x81\x5b\x83\x5e,\x95\xe2\x8a"
                             "\xd4\x91\xac\x93\x78,\x82\x6f\x82\x6b\x82\x6e\x82\x73\x91\xac\x93"
                             "\x78\r\n";

// A curve through two points falls back to the straight line, scaled by the zoom step as the
// curve would be.
TEST(TeachingRoute, straightRouteDividesEachGapScalesByTheZoomAndIsWrittenWithCrLf)
{
    TempDir dir;
    Route state(dir, { { 0, 0 }, { 50, 0 } }, 4, true);
    std::tie(state.zoom, state.settings.moveTimeMs, state.settings.plotPeriodMs)
        = std::tuple(1, 1000, 50);
    ASSERT_EQ(state.build(), TeachingRouteResult::Built);
    EXPECT_EQ(state.route.lastIndex, 4);
    EXPECT_EQ(TempDir::read(state.settings.filePath),
        kHeading
            + "0.000000,0.000000,90.000000,1000,50\r\n25.000000,0.000000,90.000000\r\n"
              "50.000000,0.000000,90.000000\r\n75.000000,0.000000,90.000000\r\n"
              "100.000000,0.000000,90.000000\r\n");
}

// Asked for, the heading is UTF-8; nothing else changes, and the path reader takes both alike.
TEST(TeachingRoute, utf8HeadingChangesOnlyTheFirstLine_andReadsAsTheSameRoute)
{
    TempDir dir;
    Route state(dir, { { 0, 0 }, { 30, 40 }, { 60, 0 } }, 3);
    state.settings.moveTimeMs = 900;
    state.settings.plotPeriodMs = 300;
    ASSERT_EQ(state.build(), TeachingRouteResult::Built);
    const std::string cp932 = TempDir::read(state.settings.filePath);
    state.settings.utf8Heading = true;
    state.settings.filePath = dir.file("utf8.csv");
    ASSERT_EQ(state.build(), TeachingRouteResult::Built);
    const std::string utf8 = TempDir::read(state.settings.filePath);
    const std::size_t rows = utf8.find('\n') + 1;
    EXPECT_EQ(utf8.substr(0, rows), "Ｘ軸データ,Y軸データ,方向データ,補間速度,ＰＬＯＴ速度\r\n");
    EXPECT_EQ(utf8.substr(rows), cp932.substr(kHeading.size()));

    DataColumns columns;
    columns.startRow = 2;
    columns.useY = columns.useDirection = columns.useInterpSpeed = columns.usePlotSpeed = true;
    DataSeries read[2];
    for (const int i : { 0, 1 }) {
        columns.path = i == 0 ? dir.file("route.csv") : state.settings.filePath;
        EXPECT_EQ(loadDataColumns(columns, read[i], true), 7);
    }
    EXPECT_EQ(std::tie(read[0].x, read[0].y, read[0].direction, read[0].firstRowPlotSpeed),
        std::tie(read[1].x, read[1].y, read[1].direction, read[1].firstRowPlotSpeed));
}

// Every step's bearing as the route file prints it; the route's last point keeps its last step's.
TEST(TeachingRoute, stepDirectionIsACompassBearing_zeroLengthStepsTakeANeighbours)
{
    using Printed = std::vector<std::string>;
    const std::tuple<const char *, Points, Printed> rows[] = {
        { "eachWayRound",
            { { 10, 10 }, { 10, 15 }, { 10, 10 }, { 17, 17 }, { 20, 21 }, { 25, 21 }, { 20, 21 },
                { 25, 16 }, { 20, 11 } },
            { "-0.000076", "180.000076", "44.999962", "36.869853", "90.000000", "270.000000",
                "135.000038", "224.999962", "224.999962" } },
        { "zeroLengthSteps", { { 0, 0 }, { 0, 0 }, { 5, 0 }, { 5, 0 }, { 5, -5 }, { 5, -5 } },
            { "90.000000", "90.000000", "90.000000", "180.000076", "180.000076", "180.000076" } },
        { "noRealStep", { { 3, 3 }, { 3, 3 } }, { "0.000000", "0.000000" } },
    };
    for (const auto &[name, points, expected] : rows) {
        DataSeries state;
        state.resize(points.size() + 1);
        for (std::size_t i = 0; i < points.size(); ++i)
            std::tie(state.x[i], state.y[i]) = points[i];
        std::fill(state.direction.begin(), state.direction.end(), 77.0);
        computeDirections(state, 0, static_cast<int>(points.size()) - 1);
        Printed printed;
        for (std::size_t i = 0; i < points.size(); ++i)
            printed.push_back(formatFixed(state.direction[i], 6));
        EXPECT_EQ(printed, expected) << name;
    }
}

TEST(TeachingRoute, tooFewPointsOrRoutesBeyondTheArraysAreRefusedWithoutAFile)
{
    const std::tuple<const char *, int, int, bool, bool> rows[] = {
        // name, points, divisions, curve, fits
        { "onePoint", 1, 4, false, true },
        { "hundredAtHundred", 100, 100, false, true },
        { "hundredOneAtHundred", 101, 100, false, false },
        { "thousandCurve", 1000, 10, true, true },
        { "thousandOneCurve", 1001, 1, true, false },
        { "zeroDivisions", 10, 0, false, false },
    };
    for (const auto &[name, count, divisions, curve, fits] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(teachingRouteFits(count, divisions, curve), fits);
        if (fits && count > 1)
            continue;
        TempDir dir;
        Route state(dir, Points(static_cast<std::size_t>(count)), divisions, curve);
        EXPECT_EQ(state.build(),
            fits ? TeachingRouteResult::TooFewPoints : TeachingRouteResult::TooManyPoints);
        EXPECT_EQ(dir.entryCount(), 0);
    }
    EXPECT_EQ(teachingCapacityMessage(1001, true),
        "教示ﾎﾟｲﾝﾄが多すぎます。曲線補間は1000ﾎﾟｲﾝﾄ以下にしてください。");
}

TEST(TeachingRoute, pointsTooFarOutForItsLines_stillPlay_butLeaveThePreviousFile)
{
    // "%f" writes 1e300 with 301 digits: a row of two of them is longer than a line the reader
    // takes at once, and an infinite value would read back as 0.
    const double inf = std::numeric_limits<double>::infinity();
    for (const Points &points :
        { Points { { 0, 0 }, { 1e300, -1e300 } }, Points { { 0, 0 }, { inf, 5 } } }) {
        TempDir dir;
        Route state(dir, points, 2);
        dir.write("route.csv", "previous route");
        FileWriteResult error;
        EXPECT_EQ(state.build(&error), TeachingRouteResult::BuiltFileNotWritten);
        EXPECT_EQ(
            std::tuple(error.error, TempDir::read(state.settings.filePath), state.route.lastIndex),
            std::tuple("route points too far out to be written as path data", "previous route", 2));
    }
}

} // namespace
