#pragma once

struct RunState;

// Pixel of the frame's data centre on the canvas, and the pixels one frame width of data spans.
inline constexpr int kFrameCentrePixelX = 267;
inline constexpr int kFrameCentrePixelY = 175;
inline constexpr double kFramePixels = 299.0;

// Sets frame bounds, scales, centres and offsets of both axes from the widened data range
// (automatic scale, symmetric about 0) or from the manual frame values. A zero range gives the
// scale 1.0.
void computeFrame(RunState &state);

// Pixels saturate at ±kPixelLimit: far outside any surface, where drawing draws nothing, and far
// enough inside the int range that the small offsets a marker adds never overflow.
inline constexpr int kPixelLimit = 1 << 30;

// Canvas pixel of a data value.
int toPixelX(const RunState &state, double x);
int toPixelY(const RunState &state, double y);
