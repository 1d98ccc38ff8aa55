#pragma once

struct RunState;

// Widens the range lo..hi of one axis by one step and cuts the bounds toward zero at the decimal
// place of that step; axis 1 stores frameXMax/frameXMin, axis 2 frameYMax/frameYMin, any other
// axis nothing. Bounds beyond the int32 range saturate.
void widenFrameRange(RunState &state, double hi, double lo, int axis);
