#include "correlation/core/CorrFrame.h"

#include "data/RangeScan.h"
#include "data/RangeWidening.h"
#include "data/TruncToInt.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

struct AxisFrame
{
    double &max;
    double &min;
    double &scale;
    double &centre;
    int &offset;
};

double scaleFor(double range) { return range == 0 ? 1.0 : kFramePixels / range; }

// Symmetric about 0 with the larger magnitude; also when both bounds lie on one side of 0. The
// widened bounds are whole numbers.
void computeAutomaticAxis(AxisFrame axis)
{
    const double magnitude
        = std::min(std::max(std::fabs(axis.min), std::fabs(axis.max)), double { INT32_MAX });
    axis.max = magnitude;
    axis.min = -magnitude;
    axis.scale = scaleFor(axis.max - axis.min);
    axis.centre = 0.0;
    axis.offset = 0;
}

void computeManualAxis(AxisFrame axis, double top, double bottom)
{
    axis.max = truncToInt(top);
    axis.min = truncToInt(bottom);
    const double range = axis.max - axis.min;
    axis.scale = scaleFor(range);
    axis.centre = axis.max - range * 0.5;
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
    frame.originX = frame.originY = 0.0;
    frame.centreDecimals = 1;
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
    return limitedPixel((x - frame.originX) * frame.scaleX
        + (kFrameCentrePixelX - static_cast<double>(frame.offsetX)));
}

int toPixelY(const CorrFrame &frame, double y)
{
    return limitedPixel((frame.offsetY + static_cast<double>(kFrameCentrePixelY))
        - (y - frame.originY) * frame.scaleY);
}

std::string frameEdgeText(double edge)
{
    // Below 2^53 every whole double is exact: print its digits rather than an exponent.
    if (std::trunc(edge) == edge && std::fabs(edge) < 9007199254740992.0)
        return std::to_string(static_cast<long long>(edge));
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), edge);
    return std::string(buffer.data(), result.ptr);
}
