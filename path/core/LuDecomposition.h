#pragma once

// LU decomposition (Doolittle, multipliers stored in place, rows addressed through splinePivot)
// of the n x n system in splineMatrix, n = splineSystemSize, row stride kSplineStride.

#include <vector>

struct SplineWork;

// Columns of each matrix row outside which the row holds exact zeros. Without pivoting, a matrix
// whose rows start at non-decreasing columns (the banded collocation matrix) is worked on inside
// these bounds only: the zeros outside would change nothing, so the numbers are those of the full
// elimination at a fraction of its cost.
struct LuBand
{
    std::vector<int> first;
    std::vector<int> last;
};

// False when the matrix is singular: a row of zeros, or a zero pivot.
bool luDecompose(SplineWork &state, bool withPivoting, LuBand &band);

// Solves with the factors: x receives the n unknowns for the right side b.
void luSolve(const SplineWork &state, const LuBand &band, const std::vector<double> &b,
    std::vector<double> &x);
