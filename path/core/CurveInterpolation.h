#pragma once

// Global interpolation of the teaching points by a quadratic B-spline: parameters 0, 1, ..., n - 1,
// a clamped knot vector with inner knots half-way between them, the collocation system solved
// once for x and once for y, the curve sampled divisionCount times per gap.

#include <array>
#include <functional>

struct RunState;

using SleepFunction = std::function<void(int ms)>;

inline constexpr int kMaxSplineOrder = 4;

// Basis functions that may be non-zero at one parameter: B_j(u) for j = span - order + 1 .. span.
struct BasisWindow
{
    int span = -1; // -1: u lies outside the knot vector
    std::array<double, kMaxSplineOrder> values {};
};

// Fills dataX, dataY with outputPointCount points from teachX, teachY. The fixed wait before the
// solve goes through sleep. False, with dataX and dataY untouched, for fewer than three or more
// than kSplineStride points or a singular system.
bool interpolateCurve(RunState &state, const SleepFunction &sleep);

void buildKnotVector(RunState &state);
void buildCollocationMatrix(RunState &state);
bool solveControlPoints(RunState &state, const SleepFunction &sleep);
void sampleCurve(RunState &state);

// Cox-de Boor: the values of all basis functions at u, left in splineBasis; returns the span.
int evalBasis(RunState &state, double u);

// The same values computed on the few functions that can be non-zero at u.
BasisWindow basisWindow(const RunState &state, double u);
