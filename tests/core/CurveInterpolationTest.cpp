#include "path/core/CurveInterpolation.h"

#include "mainwnd/RunState.h"
#include "path/core/LuDecomposition.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <utility>
#include <vector>

namespace {

const SleepFunction kNoWait = [](int) {};

RunState curveState(const std::vector<std::pair<double, double>> &points, int divisions)
{
    RunState state;
    for (std::size_t i = 0; i < points.size(); ++i) {
        state.teachX[i] = points[i].first;
        state.teachY[i] = points[i].second;
    }
    state.teachCount = static_cast<int>(points.size());
    state.divisionCount = divisions;
    return state;
}

void expectSamples(const RunState &state, const std::vector<std::pair<double, double>> &expected)
{
    ASSERT_EQ(state.outputPointCount, static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(state.dataX[i], expected[i].first, 5e-7) << i;
        EXPECT_NEAR(state.dataY[i], expected[i].second, 5e-7) << i;
    }
}

TEST(CurveInterpolation, threePointsAtTwoDivisions)
{
    RunState state = curveState({ { 0, 0 }, { 100, 50 }, { 200, 0 } }, 2);
    ASSERT_TRUE(interpolateCurve(state, kNoWait));
    EXPECT_EQ(state.splineKnots, (std::vector<double> { 0, 0, 0, 2, 2, 2 }));
    expectSamples(state, { { 0, 0 }, { 50, 37.5 }, { 100, 50 }, { 150, 37.5 }, { 200, 0 } });
}

TEST(CurveInterpolation, fourPointsAtTwoDivisions)
{
    RunState state = curveState({ { 0, 0 }, { 100, 50 }, { 200, 0 }, { 300, 100 } }, 2);
    ASSERT_TRUE(interpolateCurve(state, kNoWait));
    expectSamples(state,
        { { 0, 0 }, { 50, 42.708333 }, { 100, 50 }, { 150, 21.875 }, { 200, 0 }, { 250, 26.041667 },
            { 300, 100 } });
    const double expected[4][4] = { { 1, 0, 0, 0 }, { 1.0 / 9, 2.0 / 3, 2.0 / 9, 0 },
        { 0, 2.0 / 9, 2.0 / 3, 1.0 / 9 }, { 0, 0, 0, 1 } };
    buildCollocationMatrix(state);
    for (std::size_t row = 0; row < 4; ++row)
        for (std::size_t column = 0; column < 4; ++column)
            EXPECT_NEAR(
                state.splineMatrix[row * kSplineStride + column], expected[row][column], 1e-15);
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

TEST(CurveInterpolation, passesThroughEveryTeachingPointAndScalesWithZoom)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < 30; ++i)
        points.emplace_back(i * 17.0, std::sin(i) * 90.0);
    RunState state = curveState(points, 5);
    state.zoomIndex = 1;
    ASSERT_TRUE(interpolateCurve(state, kNoWait));
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_NEAR(state.dataX[i * 5], 2 * points[i].first, 1e-9) << i;
        EXPECT_NEAR(state.dataY[i * 5], 2 * points[i].second, 1e-9) << i;
    }
}

TEST(CurveInterpolation, waitsThreeHundredMillisecondsBeforeTheSolve)
{
    RunState state = curveState({ { 0, 0 }, { 10, 5 }, { 20, 0 } }, 2);
    std::vector<int> waits;
    ASSERT_TRUE(interpolateCurve(state, [&](int ms) { waits.push_back(ms); }));
    EXPECT_EQ(waits, (std::vector<int> { 300 }));
}

TEST(CurveInterpolation, fewerThanThreePointsLeaveTheRouteUntouched)
{
    RunState state = curveState({ { 0, 0 }, { 10, 5 } }, 2);
    state.dataX[1] = 77.0;
    EXPECT_FALSE(interpolateCurve(state, kNoWait));
    EXPECT_EQ(state.dataX[1], 77.0);
}

void setMatrix(RunState &state, const std::vector<std::vector<double>> &rows)
{
    const int n = static_cast<int>(rows.size());
    state.splineSystemSize = n;
    state.splineMatrix.assign(static_cast<std::size_t>(n) * kSplineStride, 0.0);
    for (std::size_t r = 0; r < rows.size(); ++r)
        std::copy(rows[r].begin(), rows[r].end(),
            state.splineMatrix.begin() + static_cast<long>(r * kSplineStride));
}

TEST(LuDecomposition, singularSystemsAreDetected)
{
    RunState state;
    LuBand band;
    setMatrix(state, { { 1, 2 }, { 0, 0 } });
    EXPECT_FALSE(luDecompose(state, false, band));
    setMatrix(state, { { 0, 1 }, { 1, 1 } });
    EXPECT_FALSE(luDecompose(state, false, band)); // zero pivot without pivoting
    setMatrix(state, { { 0, 1 }, { 1, 1 } });
    EXPECT_TRUE(luDecompose(state, true, band));
    setMatrix(state, { { 1, 2 }, { 2, 4 } });
    EXPECT_FALSE(luDecompose(state, true, band));
}

TEST(LuDecomposition, pivotingSolvesAPermutedSystem)
{
    RunState state;
    LuBand band;
    setMatrix(state, { { 0, 2, 1 }, { 1, 1, 0 }, { 3, 0, 1 } });
    ASSERT_TRUE(luDecompose(state, true, band));
    std::vector<double> x;
    luSolve(state, band, { 5, 3, 4 }, x);
    EXPECT_NEAR(x[0], 1.0, 1e-12);
    EXPECT_NEAR(x[1], 2.0, 1e-12);
    EXPECT_NEAR(x[2], 1.0, 1e-12);
}

// The elimination and substitutions over every column, as written out for the full matrix.
void solveFull(RunState &state)
{
    const int n = state.splineSystemSize;
    auto a = [&](int r, int c) -> double & {
        return state.splineMatrix[static_cast<std::size_t>(r) * kSplineStride
            + static_cast<std::size_t>(c)];
    };
    for (int j = 0; j < n - 1; ++j) {
        const double p = a(j, j);
        for (int i = j + 1; i < n; ++i) {
            const double l = a(i, j) / p;
            a(i, j) = l;
            if (l != 0)
                for (int c = j + 1; c < n; ++c)
                    a(i, c) -= l * a(j, c);
        }
    }
    for (auto [b, x] : { std::pair { &state.teachX, &state.splineControlX },
             std::pair { &state.teachY, &state.splineControlY } }) {
        (*x)[0] = (*b)[0];
        for (int i = 1; i < n; ++i) {
            double sum = 0.0;
            for (int c = 0; c < i; ++c)
                sum += a(i, c) * (*x)[static_cast<std::size_t>(c)];
            (*x)[static_cast<std::size_t>(i)] = (*b)[static_cast<std::size_t>(i)] - sum;
        }
        for (int i = n - 1; i >= 0; --i) {
            double sum = 0.0;
            for (int c = i + 1; c < n; ++c)
                sum += a(i, c) * (*x)[static_cast<std::size_t>(c)];
            (*x)[static_cast<std::size_t>(i)] = ((*x)[static_cast<std::size_t>(i)] - sum) / a(i, i);
        }
    }
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(CurveInterpolation, bandedSolveGivesTheFullEliminationsNumbersBitForBit)
{
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> coordinate(-400, 400);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 3 + trial % 40;
        const int divisions = 1 + trial % 7;
        std::vector<std::pair<double, double>> points;
        for (int i = 0; i < n; ++i) {
            const double scale = trial % 3 == 0 ? 1.0 : 0.37;
            points.emplace_back(
                coordinate(random) * scale, trial % 5 == 0 ? 0.0 : coordinate(random) * scale);
        }
        RunState banded = curveState(points, divisions);
        ASSERT_TRUE(interpolateCurve(banded, kNoWait));

        RunState full = banded;
        buildCollocationMatrix(full);
        solveFull(full);
        sampleCurve(full);
        for (int j = 0; j < n; ++j) {
            const auto at = static_cast<std::size_t>(j);
            ASSERT_TRUE(sameBits(banded.splineControlX[at], full.splineControlX[at])) << trial;
            ASSERT_TRUE(sameBits(banded.splineControlY[at], full.splineControlY[at])) << trial;
        }
        for (int i = 0; i < banded.outputPointCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            ASSERT_TRUE(sameBits(banded.dataX[at], full.dataX[at])) << trial;
            ASSERT_TRUE(sameBits(banded.dataY[at], full.dataY[at])) << trial;
        }
    }
}

TEST(CurveInterpolation, basisWindowMatchesTheFullTable)
{
    RunState state = curveState({ { 0, 0 }, { 1, 1 }, { 2, 0 }, { 3, 1 }, { 4, 0 }, { 5, 2 } }, 4);
    ASSERT_TRUE(interpolateCurve(state, kNoWait));
    for (double u = 0.0; u <= 5.0; u += 0.125) {
        const BasisWindow window = basisWindow(state, u);
        const int span = evalBasis(state, u);
        ASSERT_EQ(window.span, span);
        double total = 0.0;
        for (int j = 0; j <= state.splineBasisCount; ++j) {
            const double value = state.splineBasis[static_cast<std::size_t>(j)][0];
            const int w = j - (span - 2);
            EXPECT_EQ(value, w >= 0 && w < 3 ? window.values[static_cast<std::size_t>(w)] : 0.0);
            total += value;
        }
        EXPECT_NEAR(total, 1.0, 1e-15) << u;
    }
}

} // namespace
