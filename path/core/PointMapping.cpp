#include "path/core/PointMapping.h"

#include "data/TruncToInt.h"

#include <algorithm>
#include <cmath>

namespace {

// A positive origin is subtracted as it is; a negative one is added by its whole part, as
// setups of one unit a pixel always had it. A scaled map is newer: its origin is taken as typed,
// since half a metre cut off would shift the whole path.
double originShift(double origin, double unitsPerPixel)
{
    return origin > 0 || unitsPerPixel != 1.0 ? origin : static_cast<double>(truncToInt(origin));
}

// Pixels from the map's edge at full size. Divided by a scale, a taught place can come back a
// hair below its whole pixel (40 * 0.1 / 0.1); such a hair is that pixel, so that the point plays
// where it was clicked. A map of one unit a pixel is left exactly as it always was.
double fromOrigin(double value, double origin, double unitsPerPixel)
{
    const double units = value - originShift(origin, unitsPerPixel);
    if (unitsPerPixel == 1.0)
        return units;
    const double pixels = units / unitsPerPixel;
    const double whole = std::round(pixels);
    return std::abs(pixels - whole) < 1e-9 * std::max(1.0, std::abs(whole)) ? whole : pixels;
}

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
    p.xr = fromOrigin(x, view.originX, view.unitsPerPixel);
    p.yr = fromOrigin(y, view.originY, view.unitsPerPixel);
    p.bx = limitedPixel(p.xr * z);
    p.by = limitedPixel(height - p.yr * z);
    p.px = limitedPixel(p.xr * z - view.srcX);
    p.py = limitedPixel(height - p.yr * z - view.srcY);
    return p;
}

DataPoint dataFromBackground(const MapView &view, double fromLeft, double fromBottom)
{
    const double scale = view.unitsPerPixel;
    return { fromLeft * scale + originShift(view.originX, scale),
        fromBottom * scale + originShift(view.originY, scale) };
}
