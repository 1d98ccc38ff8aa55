#pragma once

struct RunState;

// Where a data point lands on the background at the current zoom and view.
struct MappedPoint
{
    double xr = 0.0; // from the background's left edge
    double yr = 0.0; // up from the background's bottom edge
    int bx = 0; // column in plotDC
    int by = 0; // row in plotDC
    int px = 0; // column in the view
    int py = 0; // row in the view
};

MappedPoint mapPathPoint(const RunState &state, double x, double y);
