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

} // namespace

MappedPoint mapPathPoint(const MapView &view, double x, double y)
{
    const double z = zoomFactor(view.zoomIndex);
    const double height = view.mapHeight;
    MappedPoint p;
    p.xr = fromOrigin(x, view.originX);
    p.yr = fromOrigin(y, view.originY);
    p.bx = truncToInt(p.xr * z);
    p.by = truncToInt(height - p.yr * z);
    p.px = truncToInt(p.xr * z - view.srcX);
    p.py = truncToInt(height - p.yr * z - view.srcY);
    return p;
}

DataPoint dataFromBackground(const MapView &view, double fromLeft, double fromBottom)
{
    return { fromLeft + originShift(view.originX), fromBottom + originShift(view.originY) };
}
