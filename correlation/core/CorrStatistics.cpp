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
    const std::size_t last = static_cast<std::size_t>(k);
    double sumX = 0.0, sumY = 0.0;
    for (std::size_t i = 0; i <= last; ++i) {
        sumX += points.x[i];
        sumY += points.y[i];
    }
    stats.meanX = sumX / n;
    stats.meanY = sumY / n;
    stats.slope = 0.0;
    stats.intercept = stats.meanY;
    // Sums of deviations from the means: raw sums of squares cancel when X carries a large offset
    // (Unix seconds, say), and the slope would lose most of its digits.
    double sxx = 0.0, sxy = 0.0;
    bool allXEqual = true;
    for (std::size_t i = 0; i <= last; ++i) {
        const double dx = points.x[i] - stats.meanX;
        sxx += dx * dx;
        sxy += dx * (points.y[i] - stats.meanY);
        allXEqual = allXEqual && points.x[i] == points.x[0];
    }
    // Equal X values may leave a rounding residue instead of an exact zero denominator.
    if (allXEqual || sxx == 0.0)
        return false;
    const double slope = sxy / sxx;
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
