#include "correlation/core/CorrStatistics.h"

#include "correlation/core/CorrFrame.h"
#include "correlation/core/RegressionLine.h"
#include "mainwnd/RunState.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <utility>
#include <vector>

namespace {

RunState withPoints(const std::vector<std::pair<double, double>> &points)
{
    RunState state;
    for (std::size_t i = 0; i < points.size(); ++i) {
        state.dataX[i] = points[i].first;
        state.dataY[i] = points[i].second;
    }
    state.lastIndex = static_cast<int>(points.size()) - 1;
    return state;
}

TEST(CorrStatistics, exactRisingLine)
{
    RunState state = withPoints({ { 1, 2 }, { 2, 4 }, { 3, 6 } });
    ASSERT_TRUE(computeRegression(state, 2));
    EXPECT_EQ(state.regressionSlope, 2.0);
    EXPECT_EQ(state.regressionIntercept, 0.0);
    EXPECT_EQ(state.meanX, 2.0);
    EXPECT_EQ(state.meanY, 4.0);
    ASSERT_TRUE(computeCorrelationTerms(state, 2));
    EXPECT_DOUBLE_EQ(correlationCoefficient(state), 1.0);
}

TEST(CorrStatistics, exactFallingLine)
{
    RunState state = withPoints({ { 1, 3 }, { 2, 2 }, { 3, 1 } });
    ASSERT_TRUE(computeCorrelationTerms(state, 2));
    EXPECT_DOUBLE_EQ(correlationCoefficient(state), -1.0);
}

struct DegenerateCase
{
    const char *name;
    std::vector<std::pair<double, double>> points;
    bool line;
};

class DegenerateStatistics : public testing::TestWithParam<DegenerateCase>
{
};

TEST_P(DegenerateStatistics, haveNoCoefficient)
{
    RunState state = withPoints(GetParam().points);
    EXPECT_EQ(computeRegression(state, state.lastIndex), GetParam().line);
    EXPECT_TRUE(std::isfinite(state.regressionSlope));
    EXPECT_FALSE(computeCorrelationTerms(state, state.lastIndex));
}

INSTANTIATE_TEST_SUITE_P(Cases, DegenerateStatistics,
    testing::Values(DegenerateCase { "singlePoint", { { 4, 5 } }, false },
        DegenerateCase { "equalX", { { 2, 1 }, { 2, 5 }, { 2, 9 } }, false },
        DegenerateCase {
            "equalXWithRoundingResidue", { { 0.1, 1 }, { 0.1, 2 }, { 0.1, 4 } }, false },
        DegenerateCase { "equalY", { { 1, 0.1 }, { 2, 0.1 }, { 3, 0.1 } }, true }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(CorrStatistics, noPointsComputeNothing)
{
    RunState state = withPoints({ { 1, 2 }, { 2, 4 } });
    state.meanX = 42.0;
    state.corrSxy = 7.0;
    EXPECT_FALSE(computeRegression(state, -1));
    EXPECT_FALSE(computeCorrelationTerms(state, -1));
    EXPECT_FALSE(computeRegression(state, kPointCapacity));
    EXPECT_EQ(state.meanX, 42.0);
    EXPECT_EQ(state.corrSxy, 7.0);
}

TEST(CorrStatistics, shufflingChangesNoStatisticAndScalingYScalesTheLine)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-50.0, 50.0);
    std::vector<std::pair<double, double>> points(200);
    for (auto &[x, y] : points)
        x = value(random), y = 0.5 * x + value(random);
    RunState original = withPoints(points);
    ASSERT_TRUE(computeRegression(original, 199));
    ASSERT_TRUE(computeCorrelationTerms(original, 199));

    std::shuffle(points.begin(), points.end(), random);
    RunState shuffled = withPoints(points);
    computeRegression(shuffled, 199);
    computeCorrelationTerms(shuffled, 199);
    EXPECT_NEAR(shuffled.regressionSlope, original.regressionSlope, 1e-12);
    EXPECT_NEAR(correlationCoefficient(shuffled), correlationCoefficient(original), 1e-12);

    for (auto &point : points)
        point.second *= 3.0;
    RunState scaled = withPoints(points);
    computeRegression(scaled, 199);
    computeCorrelationTerms(scaled, 199);
    EXPECT_NEAR(scaled.regressionSlope, 3.0 * original.regressionSlope, 1e-12);
    EXPECT_NEAR(scaled.regressionIntercept, 3.0 * original.regressionIntercept, 1e-9);
    EXPECT_NEAR(correlationCoefficient(scaled), correlationCoefficient(original), 1e-12);
}

RunState lineInFrame(double slope, double intercept)
{
    RunState state;
    state.frameXMin = -100;
    state.frameXMax = 100;
    state.frameYMin = -50;
    state.frameYMax = 50;
    state.regressionSlope = slope;
    state.regressionIntercept = intercept;
    return state;
}

TEST(RegressionLine, insideTheFrameRunsFromEdgeToEdge)
{
    const auto line = regressionLineEnds(lineInFrame(0.25, 10));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->x1, -100.0);
    EXPECT_EQ(line->y1, -15.0);
    EXPECT_EQ(line->x2, 100.0);
    EXPECT_EQ(line->y2, 35.0);
}

TEST(RegressionLine, leavingThroughTopAndBottomEndsOnThoseEdges)
{
    const auto line = regressionLineEnds(lineInFrame(2, 0));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->x1, -25.0);
    EXPECT_EQ(line->y1, -50.0);
    EXPECT_EQ(line->x2, 25.0);
    EXPECT_EQ(line->y2, 50.0);
}

TEST(RegressionLine, horizontalLineOutsideTheFrameIsNotDrawn)
{
    EXPECT_FALSE(regressionLineEnds(lineInFrame(0, 80)));
    EXPECT_FALSE(regressionLineEnds(lineInFrame(0, -80)));
    const auto inside = regressionLineEnds(lineInFrame(0, 50));
    ASSERT_TRUE(inside);
    EXPECT_EQ(inside->y1, 50.0);
}

} // namespace
