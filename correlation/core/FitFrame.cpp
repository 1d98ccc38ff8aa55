#include "correlation/core/FitFrame.h"

#include "correlation/core/CorrSetupFile.h"
#include "data/RangeScan.h"

#include <algorithm>
#include <cmath>

namespace {

// The margin each side, as a share of the data's range.
constexpr double kMarginShare = 0.05;
// A single value gets a frame of ±10 % of its magnitude around it (±1 around 0).
constexpr double kSingleValueShare = 0.1;
// Each half of the frame spans at least this many steps, so that the data fills most of it.
constexpr double kStepsPerHalf = 5.0;

// A round number, mantissa × 10^exponent, whose multiples are exact to the last decimal: a
// multiple k is computed as (k × mantissa) scaled by a power of ten, not as k × step.
struct RoundStep
{
    int mantissa = 1;
    int exponent = 0;

    double times(double k) const
    {
        const double units = k * mantissa;
        return exponent >= 0 ? units * std::pow(10.0, exponent) : units / std::pow(10.0, -exponent);
    }
};

// The smallest of 1, 2, 5 × 10ⁿ not below the given size.
RoundStep roundStepAtLeast(double size)
{
    int exponent = static_cast<int>(std::floor(std::log10(size)));
    for (;;) {
        for (int mantissa : { 1, 2, 5 }) {
            const RoundStep step { mantissa, exponent };
            if (step.times(1.0) >= size)
                return step;
        }
        ++exponent;
    }
}

} // namespace

std::optional<FittedAxis> fitAxis(double low, double high)
{
    const double middle = low / 2 + high / 2;
    double half = (high / 2 - low / 2) * (1.0 + 2 * kMarginShare);
    if (half == 0.0)
        half = low == 0.0 ? 1.0 : std::fabs(low) * kSingleValueShare;
    if (!std::isfinite(half) || !std::isfinite(middle) || half < 1e-300)
        return std::nullopt;
    const RoundStep step = roundStepAtLeast(half / kStepsPerHalf);
    const double unit = step.times(1.0);
    const double centreSteps = std::round(middle / unit);
    const double centre = step.times(centreSteps);
    // Whole steps from the rounded centre past the data and its margin on both sides; a hair of
    // tolerance keeps a quotient like 5.000000000000001 from adding a step.
    const double halfSteps = std::ceil((half + std::fabs(centre - middle)) / unit - 1e-9);
    FittedAxis axis { step.times(centreSteps - halfSteps), step.times(centreSteps + halfSteps),
        centre, unit, std::clamp(-step.exponent, 1, 15) };
    if (!std::isfinite(axis.min) || !std::isfinite(axis.max) || axis.min >= axis.max)
        return std::nullopt;
    return axis;
}

void fitFrameToData(CorrFrame &frame, const DataSeries &points)
{
    const int last = points.lastIndex;
    const auto x = fitAxis(scanMinimum(0, last, points.x), scanMaximum(0, last, points.x));
    const auto y = fitAxis(scanMinimum(0, last, points.y), scanMaximum(0, last, points.y));
    CorrSetupValues automatic;
    automatic.autoScale = true;
    computeFrame(frame, automatic);
    if (x) {
        frame.xMin = x->min;
        frame.xMax = x->max;
        frame.scaleX = kFramePixels / (x->max - x->min);
        frame.centreX = frame.originX = x->centre;
        frame.offsetX = 0;
    }
    if (y) {
        frame.yMin = y->min;
        frame.yMax = y->max;
        frame.scaleY = kFramePixels / (y->max - y->min);
        frame.centreY = frame.originY = y->centre;
        frame.offsetY = 0;
    }
    frame.centreDecimals = std::max(x ? x->decimals : 1, y ? y->decimals : 1);
}
