#include "path/core/TeachingRoute.h"

#include "data/TruncToInt.h"
#include "mainwnd/RunState.h"
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

int routePointCount(const RunState &state)
{
    return (state.teachCount - 1) * state.divisionCount + 1;
}

} // namespace

bool teachingRouteFits(int pointCount, int divisionCount, bool curve)
{
    if (pointCount < 1 || pointCount > kPointCapacity || divisionCount < 1)
        return false;
    if (curve && pointCount > kSplineStride)
        return false;
    const std::int64_t routePoints = std::int64_t { pointCount - 1 } * divisionCount + 1;
    return routePoints <= kPointCapacity;
}

std::string_view teachingCapacityMessage(int pointCount, bool curve)
{
    if (curve && pointCount > kSplineStride)
        return "教示ﾎﾟｲﾝﾄが多すぎます。曲線補間は1000ﾎﾟｲﾝﾄ以下にしてください。";
    return "教示ﾎﾟｲﾝﾄが多すぎます。補間後のﾎﾟｲﾝﾄ数を10000以下にしてください。";
}

void interpolateLinear(RunState &state)
{
    const int n = state.teachCount;
    const int d = state.divisionCount;
    if (n < 1 || !teachingRouteFits(n, d, false))
        return;
    std::size_t idx = 0;
    for (int j = 0; j + 1 < n; ++j) {
        const double x0 = state.teachX[at(j)];
        const double y0 = state.teachY[at(j)];
        const double sx = (state.teachX[at(j + 1)] - x0) / d;
        const double sy = (state.teachY[at(j + 1)] - y0) / d;
        for (int k = 0; k < d; ++k) {
            state.dataX[idx] = k * sx + x0;
            state.dataY[idx] = k * sy + y0;
            ++idx;
        }
    }
    state.dataX[idx] = state.teachX[at(n - 1)];
    state.dataY[idx] = state.teachY[at(n - 1)];
}

void computeDirections(RunState &state, int first, int last)
{
    const int size = static_cast<int>(
        std::min({ state.dataX.size(), state.dataY.size(), state.dataDirection.size() }));
    if (first < 0 || last >= size || first > last)
        return;
    std::vector<double> &direction = state.dataDirection;
    double previous = std::nan("");
    for (int i = first; i < last; ++i) {
        const double dx = state.dataX[at(i + 1)] - state.dataX[at(i)];
        const double dy = state.dataY[at(i + 1)] - state.dataY[at(i)];
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

TeachingRouteResult buildTeachingRoute(
    RunState &state, const SleepFunction &sleep, std::string *fileError)
{
    const int n = state.teachCount;
    if (n < 2) {
        state.dataReady = false;
        return TeachingRouteResult::TooFewPoints;
    }
    if (!teachingRouteFits(n, state.divisionCount, state.curveInterpolation))
        return TeachingRouteResult::TooManyPoints;
    const int count = routePointCount(state);
    state.outputPointCount = count;
    if (!state.curveInterpolation || !interpolateCurve(state, sleep))
        interpolateLinear(state);
    computeDirections(state, 0, count - 1);
    state.tickPeriodMs = state.plotPeriodMs;
    const FileWriteResult written = writeTeachingFile(state);
    if (!written && fileError)
        *fileError = written.error;
    state.sourceMode = 3;
    state.lastIndex = count - 1;
    state.plotIndex = 0;
    state.endReached = false;
    return written ? TeachingRouteResult::Built : TeachingRouteResult::BuiltFileNotWritten;
}
