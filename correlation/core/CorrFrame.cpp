#include "correlation/core/CorrFrame.h"

#include "data/RangeScan.h"
#include "data/RangeWidening.h"
#include "data/TruncToInt.h"

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

void widenFrameToData(CorrFrame &frame, const DataSeries &points)
{
    const int last = points.lastIndex;
    const WidenedRange x
        = widenRange(scanMaximum(0, last, points.x), scanMinimum(0, last, points.x));
    const WidenedRange y
        = widenRange(scanMaximum(0, last, points.y), scanMinimum(0, last, points.y));
    frame.xMax = x.high;
    frame.xMin = x.low;
    frame.yMax = y.high;
    frame.yMin = y.low;
}

void computeFrame(CorrFrame &frame, const CorrSetupValues &setup)
{
    AxisFrame x { frame.xMax, frame.xMin, frame.scaleX, frame.centreX, frame.offsetX };
    AxisFrame y { frame.yMax, frame.yMin, frame.scaleY, frame.centreY, frame.offsetY };
    if (setup.autoScale) {
        computeAutomaticAxis(x);
        computeAutomaticAxis(y);
    } else {
        computeManualAxis(x, setup.frameXTop, setup.frameXBottom);
        computeManualAxis(y, setup.frameYTop, setup.frameYBottom);
    }
}

namespace {
int limitedPixel(double pixel) { return std::clamp(truncToInt(pixel), -kPixelLimit, kPixelLimit); }
}

int toPixelX(const CorrFrame &frame, double x)
{
    return limitedPixel(
        x * frame.scaleX + (kFrameCentrePixelX - static_cast<double>(frame.offsetX)));
}

int toPixelY(const CorrFrame &frame, double y)
{
    return limitedPixel(
        (frame.offsetY + static_cast<double>(kFrameCentrePixelY)) - y * frame.scaleY);
}
