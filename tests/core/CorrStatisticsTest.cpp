#include "correlation/core/CorrStatistics.h"

#include "correlation/core/CorrFrame.h"
#include "correlation/core/RegressionLine.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Points = std::vector<std::pair<double, double>>;

DataSeries withPoints(const Points &points)
{
    DataSeries series;
    series.resize(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        std::tie(series.x[i], series.y[i]) = points[i];
    series.lastIndex = static_cast<int>(points.size()) - 1;
    return series;
}

TEST(CorrStatistics, exactLinesGiveTheirSlopeAndCoefficientOneInAnyOrder)
{
    // name, points, slope, intercept, mean X, mean Y, r
    const std::tuple<const char *, Points, double, double, double, double, double> rows[] = {
        { "rising", { { 1, 2 }, { 2, 4 }, { 3, 6 } }, 2, 0, 2, 4, 1 },
        { "risingShuffled", { { 3, 6 }, { 1, 2 }, { 2, 4 } }, 2, 0, 2, 4, 1 },
        { "falling", { { 1, 3 }, { 2, 2 }, { 3, 1 } }, -1, 4, 2, 2, -1 },
    };
    for (const auto &[name, points, slope, intercept, meanX, meanY, r] : rows) {
        SCOPED_TRACE(name);
        const DataSeries series = withPoints(points);
        CorrStatistics state;
        ASSERT_TRUE(computeRegression(state, series, 2));
        EXPECT_EQ(std::tie(state.slope, state.intercept, state.meanX, state.meanY),
            std::tie(slope, intercept, meanX, meanY));
        ASSERT_TRUE(computeCorrelationTerms(state, series, 2));
        EXPECT_DOUBLE_EQ(correlationCoefficient(state), r);
    }
}

// Degenerate data has no coefficient; no points compute nothing.
TEST(CorrStatistics, degenerateDataHasNoCoefficient)
{
    const std::tuple<const char *, Points, bool> rows[] = {
        { "singlePoint", { { 4, 5 } }, false },
        { "equalX", { { 2, 1 }, { 2, 5 }, { 2, 9 } }, false },
        { "equalXWithRoundingResidue", { { 0.1, 1 }, { 0.1, 2 }, { 0.1, 4 } }, false },
        { "equalYHasALine", { { 1, 0.1 }, { 2, 0.1 }, { 3, 0.1 } }, true },
    };
    for (const auto &[name, points, line] : rows) {
        SCOPED_TRACE(name);
        const DataSeries series = withPoints(points);
        CorrStatistics state;
        EXPECT_EQ(computeRegression(state, series, series.lastIndex), line);
        EXPECT_TRUE(std::isfinite(state.slope));
        EXPECT_FALSE(computeCorrelationTerms(state, series, series.lastIndex));
    }
    const DataSeries series = withPoints({ { 1, 2 }, { 2, 4 } });
    CorrStatistics state;
    EXPECT_FALSE(computeRegression(state, series, -1) || computeCorrelationTerms(state, series, -1)
        || computeRegression(state, series, 2));
}

// X in Unix seconds: raw sums of squares would cancel and leave the slope off by a percent.
TEST(CorrStatistics, slopeHoldsForALargeXOffset)
{
    Points points;
    for (int i = 0; i < 2000; ++i)
        points.emplace_back(1.7e9 + 0.5 * i, 3.0 * i);
    CorrStatistics state;
    ASSERT_TRUE(computeRegression(state, withPoints(points), 1999));
    EXPECT_NEAR(state.slope, 6.0, 1e-9);
    EXPECT_NEAR(state.intercept / -1.02e10, 1.0, 1e-12);
}

// Sums carried from tick to tick give, bit for bit, what a fresh computation gives: going on,
// standing still, going back, over other points; equal values found equal as before.
TEST(CorrStatistics, carriedSumsGiveTheFreshResultsBitForBit)
{
    Points values;
    for (int i = 0; i < 50; ++i)
        values.emplace_back(i < 4 ? 7.0 : 1e9 + std::sin(i) * 0.37, i < 8 ? 0.1 : std::cos(i) / 3);
    const DataSeries series = withPoints(values), other = withPoints(Points(50, { 2.5, 1.5 }));
    const auto results = [](const CorrStatistics &s, StatisticsFound f) {
        return std::tuple(s.meanX, s.meanY, s.slope, s.intercept, s.sxy, s.rootSxx, s.rootSyy,
            f.line, f.coefficient);
    };
    RunningSums carried;
    const std::pair<const DataSeries *, int> steps[]
        = { { &series, 0 }, { &series, 1 }, { &series, 5 }, { &series, 6 }, { &series, 6 },
              { &series, 49 }, { &series, 20 }, { &series, 21 }, { &other, 21 }, { &other, 49 } };
    for (const auto &[points, k] : steps) {
        SCOPED_TRACE(k);
        CorrStatistics fresh, goingOn;
        const StatisticsFound expected = computeStatistics(fresh, *points, k);
        const StatisticsFound found = computeStatistics(goingOn, *points, k, &carried);
        EXPECT_EQ(results(goingOn, found), results(fresh, expected));
    }
}

TEST(RegressionLine, isCutAtTheFrameAndNotDrawnOutsideIt)
{
    using Ends = std::optional<std::array<double, 4>>; // x1, y1, x2, y2
    // name, slope, intercept, ends in the frame -100..100 x -50..50
    const std::tuple<const char *, double, double, Ends> rows[] = {
        { "edgeToEdge", 0.25, 10, std::array { -100.0, -15.0, 100.0, 35.0 } },
        { "cutAtBottomAndTop", 2, 0, std::array { -25.0, -50.0, 25.0, 50.0 } },
        { "flatOnTheTopEdge", 0, 50, std::array { -100.0, 50.0, 100.0, 50.0 } },
        { "flatAbove", 0, 80, std::nullopt },
    };
    for (const auto &[name, slope, intercept, expected] : rows) {
        CorrFrame frame;
        std::tie(frame.xMin, frame.xMax, frame.yMin, frame.yMax) = std::tuple(-100, 100, -50, 50);
        CorrStatistics stats;
        std::tie(stats.slope, stats.intercept) = std::tuple(slope, intercept);
        const auto line = regressionLineEnds(stats, frame);
        EXPECT_EQ(line ? Ends(std::array { line->x1, line->y1, line->x2, line->y2 }) : std::nullopt,
            expected)
            << name;
    }
}

} // namespace
