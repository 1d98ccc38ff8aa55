#include "path/core/CurveInterpolation.h"

#include "path/core/LuDecomposition.h"
#include "path/core/TeachingRoute.h"

#include <algorithm>

namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// Both columns of the Cox-de Boor table over records span - order + 1 .. span + 1, the slice in
// which anything but a cleared zero can appear.
struct BasisTable
{
    int span = -1;
    int base = 0; // record of entry 0
    double column[2][kMaxSplineOrder + 1] {};
};

BasisTable basisTable(const SplineWork &state, double u)
{
    const std::vector<double> &t = state.splineKnots;
    const int n = state.splineBasisCount;
    const int k = state.splineOrder;
    BasisTable table;
    if (n < 1 || k < 1 || k > kMaxSplineOrder || t.size() < at(n + k))
        return table;
    const auto knotsEnd = t.begin() + n + 1;
    const int i = static_cast<int>(std::upper_bound(t.begin(), knotsEnd, u) - t.begin()) - 1;
    if (i >= 0 && i <= n - 1 && t[at(i)] <= u && u < t[at(i + 1)])
        table.span = i;
    // The right end of the last span counts as inside it.
    if (u >= t[at(n - 1)] && u <= t[at(n)] + 0.000001)
        table.span = n - 1;
    const int s = table.span;
    if (s < 0)
        return table;
    table.base = s - (k - 1);
    table.column[0][s - table.base] = 1.0;
    for (int r = 1; r < k; ++r) {
        double *next = table.column[r % 2];
        const double *previous = table.column[(r - 1) % 2];
        std::fill(next, next + kMaxSplineOrder + 1, 0.0);
        for (int j = std::max(s - r, 0); j <= s; ++j) {
            const double left = t[at(j + r)] - t[at(j)];
            const double right = t[at(j + r + 1)] - t[at(j + 1)];
            const double rising
                = left != 0.0 ? (u - t[at(j)]) / left * previous[j - table.base] : 0.0;
            const double falling = right != 0.0
                ? (t[at(j + r + 1)] - u) / right * previous[j + 1 - table.base]
                : 0.0;
            next[j - table.base] = rising + falling;
        }
    }
    return table;
}

bool curveFits(const SplineWork &state, int n, int divisionCount)
{
    const int order = state.splineDegree + 1;
    return n >= 3 && n <= kSplineStride && order >= 2 && order <= kMaxSplineOrder && order <= n
        && teachingRouteFits(n, divisionCount, true);
}

} // namespace

BasisWindow basisWindow(const SplineWork &state, double u)
{
    const BasisTable table = basisTable(state, u);
    BasisWindow window;
    window.span = table.span;
    if (table.span < 0)
        return window;
    const int k = state.splineOrder;
    for (int i = 0; i < k; ++i)
        window.values[at(i)] = table.column[(k - 1) % 2][i];
    return window;
}

int evalBasis(SplineWork &state, double u)
{
    const BasisTable table = basisTable(state, u);
    const int n = std::max(state.splineBasisCount, 0);
    state.splineBasis.assign(at(n + 1), { 0.0, 0.0 });
    if (table.span < 0)
        return table.span;
    for (int i = 0; i <= state.splineOrder; ++i) {
        const int record = table.base + i;
        if (record < 0 || record > n)
            continue;
        state.splineBasis[at(record)] = { table.column[0][i], table.column[1][i] };
    }
    return table.span;
}

void buildKnotVector(SplineWork &state)
{
    const int n = state.splinePointCount;
    const int k = state.splineOrder;
    std::vector<double> &t = state.splineKnots;
    for (int i = 0; i < k; ++i)
        t[at(i)] = 0.0;
    for (int i = 0; i <= n - k - 1; ++i)
        t[at(k + i)] = k / 2.0 + i;
    for (int i = n; i < n + k; ++i)
        t[at(i)] = n - 1;
}

void buildCollocationMatrix(SplineWork &state)
{
    const int n = state.splineBasisCount;
    const int k = state.splineOrder;
    for (int i = 0; i < n; ++i) {
        double *row = state.splineMatrix.data() + at(i) * kSplineStride;
        std::fill(row, row + n, 0.0);
        const BasisWindow window = basisWindow(state, i);
        for (int w = 0; w < k && window.span >= 0; ++w) {
            const int j = window.span - (k - 1) + w;
            if (j >= 0 && j < n)
                row[j] = window.values[at(w)];
        }
    }
}

bool solveControlPoints(SplineWork &state, const TeachingPoints &points)
{
    state.splinePivot.assign(at(state.splineSystemSize), 0);
    LuBand band;
    if (!luDecompose(state, false, band))
        return false;
    luSolve(state, band, points.x, state.splineControlX);
    luSolve(state, band, points.y, state.splineControlY);
    return true;
}

void sampleCurve(
    const SplineWork &state, int divisionCount, int count, int zoomIndex, DataSeries &route)
{
    const double m = curveZoomScale(zoomIndex);
    const int n = state.splineBasisCount;
    const int k = state.splineOrder;
    const double h = 1.0 / divisionCount;
    route.resize(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const BasisWindow window = basisWindow(state, i * h);
        double x = 0.0, y = 0.0;
        for (int w = 0; w < k && window.span >= 0; ++w) {
            const int j = window.span - (k - 1) + w;
            if (j < 0 || j >= n)
                continue;
            x += state.splineControlX[at(j)] * window.values[at(w)];
            y += state.splineControlY[at(j)] * window.values[at(w)];
        }
        route.x[at(i)] = m * x;
        route.y[at(i)] = m * y;
    }
}

bool interpolateCurve(SplineWork &state, const TeachingPoints &points, int divisionCount,
    int zoomIndex, DataSeries &route)
{
    const int n = points.count;
    if (!curveFits(state, n, divisionCount))
        return false;
    state.splinePointCount = state.splineBasisCount = state.splineSystemSize = n;
    state.splineOrder = state.splineDegree + 1;
    state.splineKnotCount = state.splineOrder + n;
    state.splineKnots.assign(at(n + state.splineOrder), 0.0);
    state.splineBasis.assign(at(n + 1), { 0.0, 0.0 });
    state.splineMatrix.assign(at(n) * kSplineStride, 0.0);
    state.splineControlX.assign(at(n), 0.0);
    state.splineControlY.assign(at(n), 0.0);
    buildKnotVector(state);
    buildCollocationMatrix(state);
    if (!solveControlPoints(state, points))
        return false;
    sampleCurve(state, divisionCount, (n - 1) * divisionCount + 1, zoomIndex, route);
    return true;
}
