#include "correlation/core/RegressionLine.h"

#include "mainwnd/RunState.h"

namespace {

struct EndPoint
{
    double x = 0.0, y = 0.0;
};

std::optional<EndPoint> endAt(const RunState &state, double x)
{
    const double slope = state.regressionSlope;
    const double intercept = state.regressionIntercept;
    const double yMax = state.frameYMax;
    const double yMin = state.frameYMin;
    double y = slope * x + intercept;
    if (y > yMax) {
        if (slope == 0.0)
            return std::nullopt;
        y = yMax;
        x = (yMax - intercept) / slope;
    } else if (y < yMin) {
        if (slope == 0.0)
            return std::nullopt;
        y = yMin;
        x = (yMin - intercept) / slope;
    }
    return EndPoint { x, y };
}

} // namespace

std::optional<LineSegment> regressionLineEnds(const RunState &state)
{
    const auto start = endAt(state, state.frameXMin);
    const auto end = endAt(state, state.frameXMax);
    if (!start || !end)
        return std::nullopt;
    return LineSegment { start->x, start->y, end->x, end->y };
}
