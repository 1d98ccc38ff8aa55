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

// Adds points from.. last to the first pass's sums: one addition after another in index order,
// so sums carried from an earlier call are bit for bit those of a fresh pass.
void addPoints(RunningSums &sums, const DataSeries &points, std::size_t from, std::size_t last)
{
    for (std::size_t i = from; i <= last; ++i) {
        sums.sumX += points.x[i];
        sums.sumY += points.y[i];
        sums.allXEqual = sums.allXEqual && points.x[i] == points.x[0];
        sums.allYEqual = sums.allYEqual && points.y[i] == points.y[0];
    }
    sums.x = points.x.data();
    sums.y = points.y.data();
    sums.last = static_cast<int>(last);
}

CentredSums centredSums(const DataSeries &points, std::size_t last, RunningSums *carried)
{
    RunningSums fresh;
    RunningSums &sums = carried ? *carried : fresh;
    // Sums of other arrays, or of more points than asked for, are started again.
    if (sums.x != points.x.data() || sums.y != points.y.data()
        || sums.last > static_cast<int>(last))
        sums = RunningSums();
    addPoints(sums, points, static_cast<std::size_t>(sums.last + 1), last);

    CentredSums s;
    s.n = static_cast<int>(last) + 1;
    s.meanX = sums.sumX / s.n;
    s.meanY = sums.sumY / s.n;
    s.allXEqual = sums.allXEqual;
    s.allYEqual = sums.allYEqual;
    for (std::size_t i = 0; i <= last; ++i) {
        const double dx = points.x[i] - s.meanX;
        const double dy = points.y[i] - s.meanY;
        s.sxx += dx * dx;
        s.syy += dy * dy;
        s.sxy += dx * dy;
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
        && setRegression(stats, centredSums(points, static_cast<std::size_t>(k), nullptr));
}

bool computeCorrelationTerms(CorrStatistics &stats, const DataSeries &points, int k)
{
    return validRange(points, k)
        && setCorrelationTerms(stats, centredSums(points, static_cast<std::size_t>(k), nullptr));
}

StatisticsFound computeStatistics(
    CorrStatistics &stats, const DataSeries &points, int k, RunningSums *carried)
{
    if (!validRange(points, k))
        return {};
    const CentredSums sums = centredSums(points, static_cast<std::size_t>(k), carried);
    return { setRegression(stats, sums), setCorrelationTerms(stats, sums) };
}

double correlationCoefficient(const CorrStatistics &stats)
{
    return stats.sxy / (stats.rootSyy * stats.rootSxx);
}
