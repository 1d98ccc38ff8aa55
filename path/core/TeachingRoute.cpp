#include "path/core/TeachingRoute.h"

#include "data/Translate.h"
#include "data/TruncToInt.h"
#include "path/core/RouteFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// 180 / 3.14159: the bearings keep the rounding of that constant.
constexpr double kDegreesPerRadian = 57.295827908797776;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// NaN for a step without a direction (zero length).
double stepDirection(double dx, double dy)
{
    const double a = std::atan2(dy / dx, 1.0) * kDegreesPerRadian;
    if (a >= 0 && truncToInt(a) <= 90) {
        if (dx > 0 || dy > 0)
            return 90 - a;
        if (dx < 0 || dy < 0)
            return 270 - a;
        return a;
    }
    if (a < 0 && truncToInt(a) >= -90) {
        if (dx > 0 || dy < 0)
            return 90 + std::fabs(a);
        if (dx < 0 || dy > 0)
            return 270 + std::fabs(a);
        return a;
    }
    return std::nan("");
}

} // namespace

int routePointCount(int pointCount, int divisionCount)
{
    return (pointCount - 1) * divisionCount + 1;
}

bool teachingRouteFits(int pointCount, int divisionCount, bool curve)
{
    if (pointCount < 1 || pointCount > kTeachingCapacity || divisionCount < 1)
        return false;
    if (curve && pointCount > kSplineStride)
        return false;
    const std::int64_t routePoints = std::int64_t { pointCount - 1 } * divisionCount + 1;
    return routePoints <= kTeachingCapacity;
}

std::string teachingCapacityMessage(int pointCount, bool curve)
{
    if (curve && pointCount > kSplineStride)
        return tx("Teaching", "教示ﾎﾟｲﾝﾄが多すぎます。曲線補間は1000ﾎﾟｲﾝﾄ以下にしてください。");
    return tx("Teaching", "教示ﾎﾟｲﾝﾄが多すぎます。補間後のﾎﾟｲﾝﾄ数を10000以下にしてください。");
}

void interpolateLinear(const TeachingPoints &points, int divisionCount, DataSeries &route)
{
    const int n = points.count;
    const int d = divisionCount;
    if (n < 1 || !teachingRouteFits(n, d, false))
        return;
    route.resize(static_cast<std::size_t>(routePointCount(n, d)));
    std::size_t idx = 0;
    for (int j = 0; j + 1 < n; ++j) {
        const double x0 = points.x[at(j)];
        const double y0 = points.y[at(j)];
        const double sx = (points.x[at(j + 1)] - x0) / d;
        const double sy = (points.y[at(j + 1)] - y0) / d;
        for (int k = 0; k < d; ++k) {
            route.x[idx] = k * sx + x0;
            route.y[idx] = k * sy + y0;
            ++idx;
        }
    }
    route.x[idx] = points.x[at(n - 1)];
    route.y[idx] = points.y[at(n - 1)];
}

void computeDirections(DataSeries &route, int first, int last)
{
    const int size
        = static_cast<int>(std::min({ route.x.size(), route.y.size(), route.direction.size() }));
    if (first < 0 || last >= size || first > last)
        return;
    std::vector<double> &direction = route.direction;
    double previous = std::nan("");
    for (int i = first; i < last; ++i) {
        const double dx = route.x[at(i + 1)] - route.x[at(i)];
        const double dy = route.y[at(i + 1)] - route.y[at(i)];
        double bearing = stepDirection(dx, dy);
        if (std::isnan(bearing))
            bearing = previous;
        else if (std::isnan(previous))
            std::fill(direction.begin() + first, direction.begin() + i, bearing);
        direction[at(i)] = bearing;
        previous = bearing;
    }
    if (std::isnan(previous)) {
        std::fill(direction.begin() + first, direction.begin() + last + 1, 0.0);
        return;
    }
    direction[at(last)] = previous;
}

TeachingRouteResult buildTeachingRoute(const TeachingPoints &points, const RouteSettings &settings,
    SplineWork &spline, int zoomIndex, DataSeries &route, FileWriteResult *fileError)
{
    const int n = points.count;
    if (n < 2)
        return TeachingRouteResult::TooFewPoints;
    if (!teachingRouteFits(n, settings.divisionCount, settings.curve))
        return TeachingRouteResult::TooManyPoints;
    const int count = routePointCount(n, settings.divisionCount);
    if (!settings.curve
        || !interpolateCurve(spline, points, settings.divisionCount, zoomIndex, route)) {
        interpolateLinear(points, settings.divisionCount, route);
        // A straight route takes the zoom step's scale as a curve does.
        const double scale = curveZoomScale(zoomIndex);
        for (int i = 0; i < count; ++i) {
            route.x[static_cast<std::size_t>(i)] *= scale;
            route.y[static_cast<std::size_t>(i)] *= scale;
        }
    }
    computeDirections(route, 0, count - 1);
    route.lastIndex = count - 1;
    const FileWriteResult written = writeTeachingFile(route, settings);
    if (!written && fileError)
        *fileError = written;
    return written ? TeachingRouteResult::Built : TeachingRouteResult::BuiltFileNotWritten;
}
