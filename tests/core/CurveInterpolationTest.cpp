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

// Teaching points, their curve's working arrays and the route it samples.
struct Curve : SplineWork
{
    TeachingPoints points;
    int divisions = 1;
    int zoom = 0;
    DataSeries route;

    bool interpolate() { return interpolateCurve(*this, points, divisions, zoom, route); }
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
        ASSERT_TRUE(state.interpolate());
        EXPECT_EQ(state.splineKnots, knots);
        for (std::size_t i = 0; i < x.size(); ++i)
            EXPECT_NEAR(std::hypot(state.route.x[i] - x[i], state.route.y[i] - y[i]), 0, 5e-7) << i;
        // Nothing sampled beyond the last point.
        EXPECT_TRUE(x.empty() || state.route.size() == x.size());
    }
}

bool decompose(SplineWork &state, LuBand &band, const std::vector<std::vector<double>> &rows)
{
    state.splineSystemSize = static_cast<int>(rows.size());
    state.splineMatrix.assign(rows.size() * kSplineStride, 0.0);
    for (std::size_t r = 0; r < rows.size(); ++r)
        std::copy(rows[r].begin(), rows[r].end(),
            state.splineMatrix.begin() + static_cast<long>(r * kSplineStride));
    return luDecompose(state, false, band);
}

TEST(LuDecomposition, detectsSingularSystems)
{
    SplineWork state;
    LuBand band;
    EXPECT_FALSE(decompose(state, band, { { 1, 2 }, { 0, 0 } }));
    EXPECT_FALSE(decompose(state, band, { { 0, 1 }, { 1, 1 } })); // zero pivot
}

TEST(CurveInterpolation, randomCurvesPassThroughEveryPointAtTheirZoom)
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
    }
}

} // namespace
