#pragma once

// The teaching points turned into a route: straight or curved, divisionCount steps per gap, a
// compass direction for every step, written to the teaching-output file.

#include "data/AtomicFile.h"
#include "path/core/CurveInterpolation.h"

#include <string>
#include <string_view>

enum class TeachingRouteResult {
    Built, // route built and written; the run plays it
    BuiltFileNotWritten, // route built and playing, but the output file could not be written
    TooFewPoints, // fewer than two teaching points: nothing changed
    TooManyPoints, // the route would not fit its arrays: nothing changed
};

// Whether pointCount teaching points at divisionCount steps fit the route arrays: at most
// kTeachingCapacity route points, and for the curve method at most kSplineStride teaching points.
bool teachingRouteFits(int pointCount, int divisionCount, bool curve);

// The refusal shown when pointCount teaching points do not fit.
std::string teachingCapacityMessage(int pointCount, bool curve);

// The route point count of pointCount teaching points at divisionCount steps per gap.
int routePointCount(int pointCount, int divisionCount);

void interpolateLinear(const TeachingPoints &points, int divisionCount, DataSeries &route);

// Compass bearing (degrees clockwise from up) of every step from first to last; the last point
// keeps the bearing of the step that reached it. A step of zero length keeps the bearing of the
// step before it; leading zero-length steps take the first real step's bearing (0 if none).
void computeDirections(DataSeries &route, int first, int last);

// Interpolates into route (straight lines unless settings.curve; the curve falls back to straight
// lines for fewer than three points or a singular system), computes directions, sets the route's
// lastIndex and writes the route file. Both methods scale by the zoom step's curveZoomScale. Why
// the file could not be written goes to fileError when one is given.
TeachingRouteResult buildTeachingRoute(const TeachingPoints &points, const RouteSettings &settings,
    SplineWork &spline, int zoomIndex, DataSeries &route, FileWriteResult *fileError = nullptr);
