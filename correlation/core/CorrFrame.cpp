#include "correlation/core/CorrFrame.h"

#include "data/TruncToInt.h"
#include "mainwnd/RunState.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

struct AxisFrame
{
    int &max;
    int &min;
    double &scale;
    double &centre;
    int &offset;
};

double scaleFor(std::int64_t range)
{
    return range == 0 ? 1.0 : kFramePixels / static_cast<double>(range);
}

// Symmetric about 0 with the larger magnitude; also when both bounds lie on one side of 0.
void computeAutomaticAxis(AxisFrame axis)
{
    const std::int64_t magnitude = std::min<std::int64_t>(
        std::max(std::llabs(axis.min), std::llabs(axis.max)), std::int64_t { INT32_MAX });
    axis.max = static_cast<int>(magnitude);
    axis.min = static_cast<int>(-magnitude);
    axis.scale = scaleFor(std::int64_t { axis.max } - axis.min);
    axis.centre = 0.0;
    axis.offset = 0;
}

void computeManualAxis(AxisFrame axis, double top, double bottom)
{
    axis.max = truncToInt(top);
    axis.min = truncToInt(bottom);
    const std::int64_t range = std::int64_t { axis.max } - axis.min;
    axis.scale = scaleFor(range);
    axis.centre = axis.max - static_cast<double>(range) * 0.5;
    axis.offset = truncToInt(axis.centre * axis.scale);
}

} // namespace

void computeFrame(RunState &state)
{
    AxisFrame x { state.frameXMax, state.frameXMin, state.corrScaleX, state.frameCentreX,
        state.corrOffsetX };
    AxisFrame y { state.frameYMax, state.frameYMin, state.corrScaleY, state.frameCentreY,
        state.corrOffsetY };
    if (state.corrAutoScale) {
        computeAutomaticAxis(x);
        computeAutomaticAxis(y);
    } else {
        computeManualAxis(x, state.corrFrameXTop, state.corrFrameXBottom);
        computeManualAxis(y, state.corrFrameYTop, state.corrFrameYBottom);
    }
}

namespace {
int limitedPixel(double pixel) { return std::clamp(truncToInt(pixel), -kPixelLimit, kPixelLimit); }
}

int toPixelX(const RunState &state, double x)
{
    return limitedPixel(
        x * state.corrScaleX + (kFrameCentrePixelX - static_cast<double>(state.corrOffsetX)));
}

int toPixelY(const RunState &state, double y)
{
    return limitedPixel(
        (state.corrOffsetY + static_cast<double>(kFrameCentrePixelY)) - y * state.corrScaleY);
}
