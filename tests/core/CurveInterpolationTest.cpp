#include "path/core/CurveInterpolation.h"

#include "path/core/LuDecomposition.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Points = std::vector<std::pair<double, double>>;

const SleepFunction kNoWait = [](int) {};

// Teaching points, their curve's working arrays and the route it samples.
struct Curve : SplineWork
{
    TeachingPoints points;
    int divisions = 1;
    int zoom = 0;
    DataSeries route;

    bool interpolate(const SleepFunction &sleep = kNoWait)
    {
        return interpolateCurve(*this, points, divisions, zoom, route, sleep);
    }
};

Curve curveState(const Points &points, int divisions)
{
    Curve state;
    for (std::size_t i = 0; i < points.size(); ++i)
        std::tie(state.points.x[i], state.points.y[i]) = points[i];
    state.points.count = static_cast<int>(points.size());
    state.divisions = divisions;
    return state;
}

// Worked curves: the knots and every sample of the route.
TEST(CurveInterpolation, workedCurvesGiveTheirKnotsAndSamples)
{
    using Values = std::vector<double>;
    // name, teaching points, divisions, knots, route X then route Y
    const std::tuple<const char *, Points, int, Values, Values, Values> rows[] = {
        { "three", { { 0, 0 }, { 100, 50 }, { 200, 0 } }, 2, { 0, 0, 0, 2, 2, 2 },
            { 0, 50, 100, 150, 200 }, { 0, 37.5, 50, 37.5, 0 } },
        { "four", { { 0, 0 }, { 100, 50 }, { 200, 0 }, { 300, 100 } }, 2, { 0, 0, 0, 1.5, 3, 3, 3 },
            { 0, 50, 100, 150, 200, 250, 300 }, { 0, 42.708333, 50, 21.875, 0, 26.041667, 100 } },
        { "five", { { 0, 0 }, { 1, 1 }, { 2, 0 }, { 3, 1 }, { 4, 0 } }, 3,
            { 0, 0, 0, 1.5, 2.5, 4, 4, 4 }, {}, {} },
    };
    for (const auto &[name, points, divisions, knots, x, y] : rows) {
        SCOPED_TRACE(name);
        Curve state = curveState(points, divisions);
        std::vector<int> waits;
        ASSERT_TRUE(state.interpolate([&](int ms) { waits.push_back(ms); }));
        EXPECT_EQ(waits, (std::vector<int> { 300 })); // one fixed wait before the solve
        EXPECT_EQ(state.splineKnots, knots);
        for (std::size_t i = 0; i < x.size(); ++i)
            EXPECT_NEAR(std::hypot(state.route.x[i] - x[i], state.route.y[i] - y[i]), 0, 5e-7) << i;
        EXPECT_EQ(state.route.x[x.size()], 0.0); // nothing sampled beyond the last point
    }

    Curve two = curveState({ { 0, 0 }, { 10, 5 } }, 2); // too few: the route stays untouched
    two.route.x[1] = 77.0;
    EXPECT_FALSE(two.interpolate());
    EXPECT_EQ(two.route.x[1], 77.0);
}

bool decompose(
    SplineWork &state, LuBand &band, const std::vector<std::vector<double>> &rows, bool pivoting)
{
    state.splineSystemSize = static_cast<int>(rows.size());
    state.splineMatrix.assign(rows.size() * kSplineStride, 0.0);
    for (std::size_t r = 0; r < rows.size(); ++r)
        std::copy(rows[r].begin(), rows[r].end(),
            state.splineMatrix.begin() + static_cast<long>(r * kSplineStride));
    return luDecompose(state, pivoting, band);
}

TEST(LuDecomposition, detectsSingularSystemsAndPivotsAroundZeros)
{
    SplineWork state;
    LuBand band;
    EXPECT_FALSE(decompose(state, band, { { 1, 2 }, { 0, 0 } }, false));
    EXPECT_FALSE(decompose(state, band, { { 0, 1 }, { 1, 1 } }, false)); // zero pivot
    EXPECT_FALSE(decompose(state, band, { { 1, 2 }, { 2, 4 } }, true));
    ASSERT_TRUE(decompose(state, band, { { 0, 2, 1 }, { 1, 1, 0 }, { 3, 0, 1 } }, true));
    std::vector<double> x;
    luSolve(state, band, { 5, 3, 4 }, x);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(x[i], (std::vector<double> { 1, 2, 1 })[i], 1e-12);
}

TEST(CurveInterpolation, bandedSolveGivesThePlainEliminationsNumbersThroughEveryPoint)
{
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> coordinate(-400, 400);
    for (int trial = 0; trial < 40; ++trial) {
        Points points(static_cast<std::size_t>(3 + trial % 40));
        for (auto &[x, y] : points)
            x = coordinate(random) * 0.37, y = trial % 5 == 0 ? 0.0 : coordinate(random);
        const int divisions = 1 + trial % 7;
        Curve banded = curveState(points, divisions);
        banded.zoom = trial % 2;
        ASSERT_TRUE(banded.interpolate());
        const double zoom = trial % 2 ? 2.0 : 1.0; // through every point, scaled by the zoom
        for (std::size_t i = 0, at = 0; i < points.size(); ++i, at += std::size_t(divisions))
            ASSERT_NEAR(std::hypot(banded.route.x[at] - zoom * points[i].first,
                            banded.route.y[at] - zoom * points[i].second),
                0.0, 1e-9)
                << trial << " " << i;
        Curve plain = banded; // pivoting works on whole rows; the rows never swap here
        buildCollocationMatrix(plain);
        LuBand band;
        ASSERT_TRUE(luDecompose(plain, true, band));
        luSolve(plain, band, plain.points.x, plain.splineControlX);
        luSolve(plain, band, plain.points.y, plain.splineControlY);
        const int count = (plain.points.count - 1) * divisions + 1;
        sampleCurve(plain, divisions, count, plain.zoom, plain.route);
        ASSERT_TRUE(banded.splineControlX == plain.splineControlX
            && banded.splineControlY == plain.splineControlY && banded.route.x == plain.route.x
            && banded.route.y == plain.route.y)
            << trial;
    }
}

TEST(CurveInterpolation, basisWindowMatchesTheFullTable_andTheLastSpanIsClosed)
{
    Curve state = curveState({ { 0, 0 }, { 1, 1 }, { 2, 0 }, { 3, 1 }, { 4, 0 }, { 5, 2 } }, 4);
    ASSERT_TRUE(state.interpolate());
    for (double u = 0.0; u <= 5.0; u += 0.125) {
        const BasisWindow window = basisWindow(state, u);
        ASSERT_EQ(window.span, evalBasis(state, u));
        for (std::size_t w = 0; w < 3; ++w)
            EXPECT_EQ(window.values[w],
                state.splineBasis[static_cast<std::size_t>(window.span - 2) + w][0])
                << u;
        EXPECT_NEAR(window.values[0] + window.values[1] + window.values[2], 1.0, 1e-15) << u;
    }
    // The closed last span: its end belongs to it, a little beyond is rounding, further is out.
    EXPECT_EQ(evalBasis(state, 5.0), 5);
    EXPECT_EQ(state.splineBasis[5][0], 1.0);
    EXPECT_EQ(std::pair(evalBasis(state, 5.0 + 1e-7), evalBasis(state, 5.1)), std::pair(5, -1));
}

} // namespace
