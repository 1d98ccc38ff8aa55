#include "correlation/core/RegressionLine.h"

namespace {

struct EndPoint
{
    double x = 0.0, y = 0.0;
};

std::optional<EndPoint> endAt(const CorrStatistics &stats, const CorrFrame &frame, double x)
{
    const double slope = stats.slope;
    const double intercept = stats.intercept;
    const double yMax = frame.yMax;
    const double yMin = frame.yMin;
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

std::optional<LineSegment> regressionLineEnds(const CorrStatistics &stats, const CorrFrame &frame)
{
    const auto start = endAt(stats, frame, frame.xMin);
    const auto end = endAt(stats, frame, frame.xMax);
    if (!start || !end)
        return std::nullopt;
    return LineSegment { start->x, start->y, end->x, end->y };
}
