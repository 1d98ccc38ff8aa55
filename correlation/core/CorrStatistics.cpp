#include "correlation/core/CorrStatistics.h"

#include <cmath>

namespace {

bool validRange(const DataSeries &points, int k)
{
    return k >= 0 && static_cast<std::size_t>(k) < points.x.size()
        && static_cast<std::size_t>(k) < points.y.size();
}

} // namespace

bool computeRegression(CorrStatistics &stats, const DataSeries &points, int k)
{
    if (!validRange(points, k))
        return false;
    const int n = k + 1;
    double sumX = 0.0, sumY = 0.0, sumXY = 0.0, sumXX = 0.0;
    bool allXEqual = true;
    const double firstX = points.x[0];
    for (std::size_t i = 0; i <= static_cast<std::size_t>(k); ++i) {
        const double x = points.x[i];
        const double y = points.y[i];
        sumX += x;
        sumY += y;
        sumXY += x * y;
        sumXX += x * x;
        allXEqual = allXEqual && x == firstX;
    }
    stats.meanX = sumX / n;
    stats.meanY = sumY / n;
    stats.slope = 0.0;
    stats.intercept = stats.meanY;
    const double denominator = sumXX - n * (stats.meanX * stats.meanX);
    // Equal X values may leave a rounding residue instead of an exact zero denominator.
    if (allXEqual || denominator == 0.0)
        return false;
    const double slope = (sumXY - n * stats.meanY * stats.meanX) / denominator;
    const double intercept = stats.meanY - slope * stats.meanX;
    if (!std::isfinite(slope) || !std::isfinite(intercept))
        return false;
    stats.slope = slope;
    stats.intercept = intercept;
    return true;
}

bool computeCorrelationTerms(CorrStatistics &stats, const DataSeries &points, int k)
{
    if (!validRange(points, k))
        return false;
    const int n = k + 1;
    const std::size_t last = static_cast<std::size_t>(k);
    double sumX = 0.0, sumY = 0.0;
    for (std::size_t i = 0; i <= last; ++i) {
        sumX += points.x[i];
        sumY += points.y[i];
    }
    const double meanX = sumX / n;
    const double meanY = sumY / n;
    double sxx = 0.0, syy = 0.0, sxy = 0.0;
    bool allXEqual = true, allYEqual = true;
    for (std::size_t i = 0; i <= last; ++i) {
        const double dx = points.x[i] - meanX;
        const double dy = points.y[i] - meanY;
        sxx += dx * dx;
        syy += dy * dy;
        sxy += dx * dy;
        allXEqual = allXEqual && points.x[i] == points.x[0];
        allYEqual = allYEqual && points.y[i] == points.y[0];
    }
    stats.sxy = sxy;
    stats.rootSxx = std::sqrt(sxx);
    stats.rootSyy = std::sqrt(syy);
    // Equal values may leave rounding residues in Sxx or Syy; they still have no coefficient.
    return sxx > 0.0 && syy > 0.0 && !allXEqual && !allYEqual;
}

double correlationCoefficient(const CorrStatistics &stats)
{
    return stats.sxy / (stats.rootSyy * stats.rootSxx);
}
