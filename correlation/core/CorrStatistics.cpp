#include "correlation/core/CorrStatistics.h"

#include <cmath>

namespace {

bool validRange(const DataSeries &points, int k)
{
    return k >= 0 && static_cast<std::size_t>(k) < points.x.size()
        && static_cast<std::size_t>(k) < points.y.size();
}

} // namespace

namespace {

// Means and sums of deviations from them over the points 0..last: two passes, so that an X or Y
// with a large offset (Unix seconds, say) keeps its digits.
struct CentredSums
{
    int n = 0;
    double meanX = 0.0, meanY = 0.0;
    double sxx = 0.0, syy = 0.0, sxy = 0.0;
    bool allXEqual = true, allYEqual = true;
};

CentredSums centredSums(const DataSeries &points, std::size_t last)
{
    CentredSums s;
    s.n = static_cast<int>(last) + 1;
    double sumX = 0.0, sumY = 0.0;
    for (std::size_t i = 0; i <= last; ++i) {
        sumX += points.x[i];
        sumY += points.y[i];
    }
    s.meanX = sumX / s.n;
    s.meanY = sumY / s.n;
    for (std::size_t i = 0; i <= last; ++i) {
        const double dx = points.x[i] - s.meanX;
        const double dy = points.y[i] - s.meanY;
        s.sxx += dx * dx;
        s.syy += dy * dy;
        s.sxy += dx * dy;
        s.allXEqual = s.allXEqual && points.x[i] == points.x[0];
        s.allYEqual = s.allYEqual && points.y[i] == points.y[0];
    }
    return s;
}

bool setRegression(CorrStatistics &stats, const CentredSums &s)
{
    stats.meanX = s.meanX;
    stats.meanY = s.meanY;
    stats.slope = 0.0;
    stats.intercept = s.meanY;
    // Equal X values may leave a rounding residue instead of an exact zero denominator.
    if (s.allXEqual || s.sxx == 0.0)
        return false;
    const double slope = s.sxy / s.sxx;
    const double intercept = s.meanY - slope * s.meanX;
    if (!std::isfinite(slope) || !std::isfinite(intercept))
        return false;
    stats.slope = slope;
    stats.intercept = intercept;
    return true;
}

bool setCorrelationTerms(CorrStatistics &stats, const CentredSums &s)
{
    stats.sxy = s.sxy;
    stats.rootSxx = std::sqrt(s.sxx);
    stats.rootSyy = std::sqrt(s.syy);
    // Equal values may leave rounding residues in Sxx or Syy; they still have no coefficient.
    return s.sxx > 0.0 && s.syy > 0.0 && !s.allXEqual && !s.allYEqual;
}

} // namespace

bool computeRegression(CorrStatistics &stats, const DataSeries &points, int k)
{
    return validRange(points, k)
        && setRegression(stats, centredSums(points, static_cast<std::size_t>(k)));
}

bool computeCorrelationTerms(CorrStatistics &stats, const DataSeries &points, int k)
{
    return validRange(points, k)
        && setCorrelationTerms(stats, centredSums(points, static_cast<std::size_t>(k)));
}

StatisticsFound computeStatistics(CorrStatistics &stats, const DataSeries &points, int k)
{
    if (!validRange(points, k))
        return {};
    const CentredSums sums = centredSums(points, static_cast<std::size_t>(k));
    return { setRegression(stats, sums), setCorrelationTerms(stats, sums) };
}

double correlationCoefficient(const CorrStatistics &stats)
{
    return stats.sxy / (stats.rootSyy * stats.rootSxx);
}
