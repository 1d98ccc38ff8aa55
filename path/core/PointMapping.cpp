#include "path/core/PointMapping.h"

#include "data/TruncToInt.h"

#include <algorithm>
#include <cmath>

namespace {

// A positive origin is subtracted as it is; a negative one is added by its whole part.
double originShift(double origin)
{
    return origin > 0 ? origin : static_cast<double>(truncToInt(origin));
}

double fromOrigin(double value, double origin) { return value - originShift(origin); }

// Far outside any map, where drawing draws nothing, and far enough inside the int range that the
// offsets the tick adds (half a character, a view) never overflow.
constexpr int kPixelLimit = 1 << 30;

int limitedPixel(double pixel) { return std::clamp(truncToInt(pixel), -kPixelLimit, kPixelLimit); }

} // namespace

MappedPoint mapPathPoint(const MapView &view, double x, double y)
{
    const double z = zoomFactor(view.zoomIndex);
    const double height = view.mapHeight;
    MappedPoint p;
    p.xr = fromOrigin(x, view.originX);
    p.yr = fromOrigin(y, view.originY);
    p.bx = limitedPixel(p.xr * z);
    p.by = limitedPixel(height - p.yr * z);
    p.px = limitedPixel(p.xr * z - view.srcX);
    p.py = limitedPixel(height - p.yr * z - view.srcY);
    return p;
}

DataPoint dataFromBackground(const MapView &view, double fromLeft, double fromBottom)
{
    return { fromLeft + originShift(view.originX), fromBottom + originShift(view.originY) };
}
