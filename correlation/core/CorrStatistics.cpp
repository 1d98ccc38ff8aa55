#include "correlation/core/CorrStatistics.h"

#include "mainwnd/RunState.h"

#include <cmath>

namespace {

bool validRange(const RunState &state, int k)
{
    return k >= 0 && static_cast<std::size_t>(k) < state.dataX.size()
        && static_cast<std::size_t>(k) < state.dataY.size();
}

} // namespace

bool computeRegression(RunState &state, int k)
{
    if (!validRange(state, k))
        return false;
    const int n = k + 1;
    double sumX = 0.0, sumY = 0.0, sumXY = 0.0, sumXX = 0.0;
    bool allXEqual = true;
    const double firstX = state.dataX[0];
    for (std::size_t i = 0; i <= static_cast<std::size_t>(k); ++i) {
        const double x = state.dataX[i];
        const double y = state.dataY[i];
        sumX += x;
        sumY += y;
        sumXY += x * y;
        sumXX += x * x;
        allXEqual = allXEqual && x == firstX;
    }
    state.meanX = sumX / n;
    state.meanY = sumY / n;
    state.regressionSlope = 0.0;
    state.regressionIntercept = state.meanY;
    const double denominator = sumXX - n * (state.meanX * state.meanX);
    // Equal X values may leave a rounding residue instead of an exact zero denominator.
    if (allXEqual || denominator == 0.0)
        return false;
    const double slope = (sumXY - n * state.meanY * state.meanX) / denominator;
    const double intercept = state.meanY - slope * state.meanX;
    if (!std::isfinite(slope) || !std::isfinite(intercept))
        return false;
    state.regressionSlope = slope;
    state.regressionIntercept = intercept;
    return true;
}

bool computeCorrelationTerms(RunState &state, int k)
{
    if (!validRange(state, k))
        return false;
    const int n = k + 1;
    const std::size_t last = static_cast<std::size_t>(k);
    double sumX = 0.0, sumY = 0.0;
    for (std::size_t i = 0; i <= last; ++i) {
        sumX += state.dataX[i];
        sumY += state.dataY[i];
    }
    const double meanX = sumX / n;
    const double meanY = sumY / n;
    double sxx = 0.0, syy = 0.0, sxy = 0.0;
    bool allXEqual = true, allYEqual = true;
    for (std::size_t i = 0; i <= last; ++i) {
        const double dx = state.dataX[i] - meanX;
        const double dy = state.dataY[i] - meanY;
        sxx += dx * dx;
        syy += dy * dy;
        sxy += dx * dy;
        allXEqual = allXEqual && state.dataX[i] == state.dataX[0];
        allYEqual = allYEqual && state.dataY[i] == state.dataY[0];
    }
    state.corrSxy = sxy;
    state.corrRootSxx = std::sqrt(sxx);
    state.corrRootSyy = std::sqrt(syy);
    // Equal values may leave rounding residues in Sxx or Syy; they still have no coefficient.
    return sxx > 0.0 && syy > 0.0 && !allXEqual && !allYEqual;
}

double correlationCoefficient(const RunState &state)
{
    return state.corrSxy / (state.corrRootSyy * state.corrRootSxx);
}
