#include "path/core/CurveInterpolation.h"

#include "mainwnd/RunState.h"
#include "path/core/LuDecomposition.h"

#include <gtest/gtest.h>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Points = std::vector<std::pair<double, double>>;

const SleepFunction kNoWait = [](int) {};

RunState curveState(const Points &points, int divisions)
{
    RunState state;
    for (std::size_t i = 0; i < points.size(); ++i)
        std::tie(state.teachX[i], state.teachY[i]) = points[i];
    state.teachCount = static_cast<int>(points.size());
    state.divisionCount = divisions;
    return state;
}

void expectSamples(const RunState &state, const Points &expected)
{
    ASSERT_EQ(state.outputPointCount, static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(state.dataX[i], expected[i].first, 5e-7) << i;
        EXPECT_NEAR(state.dataY[i], expected[i].second, 5e-7) << i;
    }
}

TEST(CurveInterpolation, threePointsGiveTheWorkedCurveAndTwoAreRefused)
{
    RunState state = curveState({ { 0, 0 }, { 100, 50 }, { 200, 0 } }, 2);
    std::vector<int> waits;
    ASSERT_TRUE(interpolateCurve(state, [&](int ms) { waits.push_back(ms); }));
    EXPECT_EQ(waits, (std::vector<int> { 300 })); // one fixed wait before the solve
    EXPECT_EQ(state.splineKnots, (std::vector<double> { 0, 0, 0, 2, 2, 2 }));
    expectSamples(state, { { 0, 0 }, { 50, 37.5 }, { 100, 50 }, { 150, 37.5 }, { 200, 0 } });

    RunState two = curveState({ { 0, 0 }, { 10, 5 } }, 2); // too few: the route stays untouched
    two.dataX[1] = 77.0;
    EXPECT_FALSE(interpolateCurve(two, kNoWait));
    EXPECT_EQ(two.dataX[1], 77.0);
}

TEST(CurveInterpolation, fourPointsAtTwoDivisions)
{
    RunState state = curveState({ { 0, 0 }, { 100, 50 }, { 200, 0 }, { 300, 100 } }, 2);
    ASSERT_TRUE(interpolateCurve(state, kNoWait));
    expectSamples(state,
        { { 0, 0 }, { 50, 42.708333 }, { 100, 50 }, { 150, 21.875 }, { 200, 0 }, { 250, 26.041667 },
            { 300, 100 } });
}

TEST(CurveInterpolation, fivePointKnotsAndTheClosedLastSpan)
{
    RunState state = curveState({ { 0, 0 }, { 1, 1 }, { 2, 0 }, { 3, 1 }, { 4, 0 } }, 3);
    ASSERT_TRUE(interpolateCurve(state, kNoWait));
    EXPECT_EQ(state.splineKnots, (std::vector<double> { 0, 0, 0, 1.5, 2.5, 4, 4, 4 }));
    EXPECT_EQ(evalBasis(state, 4.0), 4);
    EXPECT_EQ(state.splineBasis[4][0], 1.0);
    EXPECT_EQ(evalBasis(state, 4.0 + 1e-7), 4);
    EXPECT_EQ(evalBasis(state, 4.1), -1);
}

bool decompose(
    RunState &state, LuBand &band, const std::vector<std::vector<double>> &rows, bool pivoting)
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
    RunState state;
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
    for (int trial = 0; trial < 80; ++trial) {
        Points points(static_cast<std::size_t>(3 + trial % 40));
        for (auto &[x, y] : points)
            x = coordinate(random) * 0.37, y = trial % 5 == 0 ? 0.0 : coordinate(random);
        const int divisions = 1 + trial % 7;
        RunState banded = curveState(points, divisions);
        banded.zoomIndex = trial % 2;
        ASSERT_TRUE(interpolateCurve(banded, kNoWait));
        for (std::size_t i = 0; i < points.size(); ++i) {
            const double zoom = trial % 2 ? 2.0 : 1.0;
            const auto at = i * static_cast<std::size_t>(divisions);
            ASSERT_NEAR(banded.dataX[at], zoom * points[i].first, 1e-9) << trial << " " << i;
            ASSERT_NEAR(banded.dataY[at], zoom * points[i].second, 1e-9) << trial << " " << i;
        }
        RunState plain = banded; // pivoting works on whole rows; the rows never swap here
        buildCollocationMatrix(plain);
        LuBand band;
        ASSERT_TRUE(luDecompose(plain, true, band));
        luSolve(plain, band, plain.teachX, plain.splineControlX);
        luSolve(plain, band, plain.teachY, plain.splineControlY);
        sampleCurve(plain);
        ASSERT_EQ(banded.splineControlX, plain.splineControlX) << trial;
        ASSERT_EQ(banded.splineControlY, plain.splineControlY) << trial;
        ASSERT_EQ(banded.dataX, plain.dataX) << trial;
        ASSERT_EQ(banded.dataY, plain.dataY) << trial;
    }
}

TEST(CurveInterpolation, basisWindowMatchesTheFullTable)
{
    RunState state = curveState({ { 0, 0 }, { 1, 1 }, { 2, 0 }, { 3, 1 }, { 4, 0 }, { 5, 2 } }, 4);
    ASSERT_TRUE(interpolateCurve(state, kNoWait));
    for (double u = 0.0; u <= 5.0; u += 0.125) {
        const BasisWindow window = basisWindow(state, u);
        ASSERT_EQ(window.span, evalBasis(state, u));
        for (std::size_t w = 0; w < 3; ++w)
            EXPECT_EQ(window.values[w],
                state.splineBasis[static_cast<std::size_t>(window.span - 2) + w][0])
                << u;
        EXPECT_NEAR(window.values[0] + window.values[1] + window.values[2], 1.0, 1e-15) << u;
    }
}

} // namespace
