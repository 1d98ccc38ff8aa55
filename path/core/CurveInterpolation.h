#pragma once

// Global interpolation of the teaching points by a quadratic B-spline: parameters 0, 1, ..., n - 1,
// a clamped knot vector with inner knots half-way between them, the collocation system solved
// once for x and once for y, the curve sampled divisionCount times per gap.

#include "path/core/Teaching.h"

#include <array>
#include <vector>

// Row stride of the collocation matrix, and so the largest system the curve solves.
inline constexpr int kSplineStride = 1000;

// The working arrays of one curve interpolation; a released buffer is simply empty.
struct SplineWork
{
    int splineDegree = 2;
    int splineOrder = 0;
    int splineKnotCount = 0;
    int splineBasisCount = 0;
    int splineSystemSize = 0;
    int splinePointCount = 0;
    std::vector<double> splineKnots;
    std::vector<std::array<double, 2>> splineBasis;
    std::vector<double> splineMatrix; // rows of kSplineStride doubles
    std::vector<double> splineControlX, splineControlY;
    std::vector<int> splinePivot;
    std::vector<double> splineRowScale;

    void release() { *this = SplineWork {}; }
};

inline constexpr int kMaxSplineOrder = 4;

// Basis functions that may be non-zero at one parameter: B_j(u) for j = span - order + 1 .. span.
struct BasisWindow
{
    int span = -1; // -1: u lies outside the knot vector
    std::array<double, kMaxSplineOrder> values {};
};

// The scale a route built at a zoom step takes: 1 at full size, 2 at 1/2, 4 at 1/4.
inline double curveZoomScale(int zoomIndex) { return zoomIndex <= 0 ? 1.0 : 2.0 * zoomIndex; }

// Fills route.x, route.y with (count − 1) · divisionCount + 1 points through the teaching points,
// scaled by the zoom step's curve factor.
// False, with the route untouched, for fewer than three or more than kSplineStride points or a
// singular system.
bool interpolateCurve(SplineWork &state, const TeachingPoints &points, int divisionCount,
    int zoomIndex, DataSeries &route);

void buildKnotVector(SplineWork &state);
void buildCollocationMatrix(SplineWork &state);
bool solveControlPoints(SplineWork &state, const TeachingPoints &points);
void sampleCurve(
    const SplineWork &state, int divisionCount, int count, int zoomIndex, DataSeries &route);

// Cox-de Boor: the values of all basis functions at u, left in splineBasis; returns the span.
int evalBasis(SplineWork &state, double u);

// The same values computed on the few functions that can be non-zero at u.
BasisWindow basisWindow(const SplineWork &state, double u);
