#include "path/core/LuDecomposition.h"

#include "path/core/CurveInterpolation.h"

#include <algorithm>
#include <cmath>

namespace {

double *row(SplineWork &state, int index)
{
    return state.splineMatrix.data() + static_cast<std::size_t>(index) * kSplineStride;
}

const double *row(const SplineWork &state, int index)
{
    return state.splineMatrix.data() + static_cast<std::size_t>(index) * kSplineStride;
}

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// Scale factors and bounds of each row; false when a row is all zero.
bool scanRows(SplineWork &state, int n, LuBand &band)
{
    for (int i = 0; i < n; ++i) {
        const double *values = row(state, i);
        double largest = 0.0;
        int first = n, last = -1;
        for (int c = 0; c < n; ++c) {
            if (values[c] == 0.0)
                continue;
            largest = std::max(largest, std::fabs(values[c]));
            first = std::min(first, c);
            last = c;
        }
        if (largest == 0.0)
            return false;
        state.splinePivot[at(i)] = i;
        state.splineRowScale[at(i)] = 1.0 / largest;
        band.first[at(i)] = first;
        band.last[at(i)] = last;
    }
    return true;
}

// Rows whose first non-zero column never moves left can be eliminated inside the band.
bool bandUsable(const LuBand &band) { return std::is_sorted(band.first.begin(), band.first.end()); }

bool choosePivot(SplineWork &state, int n, int j)
{
    int best = j;
    double bestValue = 0.0;
    for (int i = j; i < n; ++i) {
        const int candidate = state.splinePivot[at(i)];
        const double value
            = std::fabs(row(state, candidate)[j]) * state.splineRowScale[at(candidate)];
        if (value > bestValue) {
            bestValue = value;
            best = i;
        }
    }
    if (bestValue == 0.0)
        return false;
    std::swap(state.splinePivot[at(best)], state.splinePivot[at(j)]);
    return true;
}

} // namespace

bool luDecompose(SplineWork &state, bool withPivoting, LuBand &band)
{
    const int n = state.splineSystemSize;
    if (n < 1 || n > kSplineStride || state.splineMatrix.size() < at(n) * kSplineStride)
        return false;
    state.splinePivot.assign(at(n), 0);
    state.splineRowScale.assign(at(n), 0.0);
    band.first.assign(at(n), 0);
    band.last.assign(at(n), n - 1);
    if (!scanRows(state, n, band))
        return false;
    const bool banded = !withPivoting && bandUsable(band);
    if (!banded) {
        std::fill(band.first.begin(), band.first.end(), 0);
        std::fill(band.last.begin(), band.last.end(), n - 1);
    }
    for (int j = 0; j < n - 1; ++j) {
        if (withPivoting && !choosePivot(state, n, j))
            return false;
        const int pivotRow = state.splinePivot[at(j)];
        const double *pivotValues = row(state, pivotRow);
        const double p = pivotValues[j];
        if (p == 0.0)
            return false;
        for (int i = j + 1; i < n; ++i) {
            const int q = state.splinePivot[at(i)];
            if (banded && band.first[at(q)] > j)
                break;
            double *values = row(state, q);
            const double l = values[j] / p;
            values[j] = l;
            if (l == 0.0)
                continue;
            const int end = std::max(band.last[at(pivotRow)], band.last[at(q)]);
            for (int c = j + 1; c <= end; ++c)
                values[c] -= l * pivotValues[c];
            band.last[at(q)] = end;
        }
    }
    return row(state, state.splinePivot[at(n - 1)])[n - 1] != 0.0;
}

void luSolve(const SplineWork &state, const LuBand &band, const std::vector<double> &b,
    std::vector<double> &x)
{
    const int n = state.splineSystemSize;
    x.assign(at(n), 0.0);
    if (n < 1)
        return;
    x[0] = b[at(state.splinePivot[0])];
    for (int i = 1; i < n; ++i) {
        const int q = state.splinePivot[at(i)];
        const double *values = row(state, q);
        double sum = 0.0;
        for (int c = band.first[at(q)]; c < i; ++c)
            sum += values[c] * x[at(c)];
        x[at(i)] = b[at(q)] - sum;
    }
    for (int i = n - 1; i >= 0; --i) {
        const int q = state.splinePivot[at(i)];
        const double *values = row(state, q);
        double sum = 0.0;
        for (int c = i + 1; c <= band.last[at(q)]; ++c)
            sum += values[c] * x[at(c)];
        x[at(i)] = (x[at(i)] - sum) / values[i];
    }
}
