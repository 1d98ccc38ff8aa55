#pragma once

// A frame that fits the data: each axis spans the data's range with a margin, centred on the
// data, its edges and centre whole multiples of a round step (1, 2 or 5 × 10ⁿ), so that the
// labels read as people write such numbers.

#include "correlation/core/CorrFrame.h"
#include "data/DataSeries.h"

#include <optional>

// One axis fitted to the values from low to high (low <= high, both finite).
struct FittedAxis
{
    double min = 0.0, max = 0.0; // the edges
    double centre = 0.0;
    double step = 0.0; // the round step the edges are multiples of
    int decimals = 1; // the step's decimals, 1 to 15: what the centre label shows
};
// Nothing when the fitted edges would not be finite.
std::optional<FittedAxis> fitAxis(double low, double high);

// Sets both axes of the frame to fit the points 0..lastIndex, mapped from the frame's centre. An
// axis that cannot be fitted (values beyond the double range) keeps the automatic scale of the
// widened bounds already in the frame.
void fitFrameToData(CorrFrame &frame, const DataSeries &points);
