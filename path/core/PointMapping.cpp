#include "path/core/PointMapping.h"

#include "data/TruncToInt.h"
#include "mainwnd/RunState.h"

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

MappedPoint mapPathPoint(const RunState &state, double x, double y)
{
    const int zoom = std::clamp(state.zoomIndex, 0, static_cast<int>(state.zoomFactors.size()) - 1);
    const double z = state.zoomFactors[static_cast<std::size_t>(zoom)];
    const double height = state.backgroundHeight;
    MappedPoint p;
    p.xr = fromOrigin(x, state.originX);
    p.yr = fromOrigin(y, state.originY);
    p.bx = truncToInt(p.xr * z);
    p.by = truncToInt(height - p.yr * z);
    p.px = truncToInt(p.xr * z - state.viewSrcX);
    p.py = truncToInt(height - p.yr * z - state.viewSrcY);
    return p;
}

DataPoint dataFromBackground(const RunState &state, double fromLeft, double fromBottom)
{
    return { fromLeft + originShift(state.originX), fromBottom + originShift(state.originY) };
}
