#pragma once

#include "path/core/MapView.h"

// Where a data point lands on the background at the current zoom and view.
struct MappedPoint
{
    double xr = 0.0; // pixels from the background's left edge, at full size
    double yr = 0.0; // pixels up from the background's bottom edge, at full size
    int bx = 0; // column in plotDC
    int by = 0; // row in plotDC
    int px = 0; // column in the view
    int py = 0; // row in the view
};

// The pixels saturate at ±2^30: a point far off the map stays far off it, and never overflows.
MappedPoint mapPathPoint(const MapView &view, double x, double y);

// The data coordinates of a place on the background at full size, given in pixels from its left
// edge and up from its bottom edge: the inverse of the mapping, so that a point taught there plays
// there.
struct DataPoint
{
    double x = 0.0;
    double y = 0.0;
};
DataPoint dataFromBackground(const MapView &view, double fromLeft, double fromBottom);
