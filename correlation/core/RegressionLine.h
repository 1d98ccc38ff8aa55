#pragma once

#include "correlation/core/CorrFrame.h"
#include "correlation/core/CorrStatistics.h"

#include <optional>

// A line in data units, for the drawing code to map with toPixelX / toPixelY.
struct LineSegment
{
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
};

// The regression line (slope, intercept) from the frame's left edge to its
// right edge, each end cut at the top or bottom edge it would leave through. Nothing when a
// horizontal line lies outside the frame. Call only after computeRegression returned true.
std::optional<LineSegment> regressionLineEnds(const CorrStatistics &stats, const CorrFrame &frame);
