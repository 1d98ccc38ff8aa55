#pragma once

#include "correlation/core/CorrSetupFile.h"
#include "data/DataSeries.h"

#include <string>

// Where the data lands in the square frame: its bounds in data units, and how a value becomes a
// canvas pixel. The automatic and manual frames have whole-number bounds and map from 0 with a
// whole-pixel offset; a frame fitted to the data maps from its centre (origin), so that values
// far from 0 keep their precision.
struct CorrFrame
{
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    double centreX = 0.0, centreY = 0.0;
    double scaleX = 0.0, scaleY = 0.0;
    int offsetX = 0, offsetY = 0;
    double originX = 0.0, originY = 0.0;
    int centreDecimals = 1; // of the centre label
};

// Pixel of the frame's data centre on the canvas, and the pixels one frame width of data spans.
inline constexpr int kFrameCentrePixelX = 267;
inline constexpr int kFrameCentrePixelY = 175;
inline constexpr double kFramePixels = 299.0;

// The bounds: the range of the points 0..lastIndex, widened by one step on each axis.
void widenFrameToData(CorrFrame &frame, const DataSeries &points);

// Sets frame bounds, scales, centres and offsets of both axes from the widened bounds already in
// the frame (automatic scale, symmetric about 0) or from the setup's manual frame values. A zero
// range gives the scale 1.0.
void computeFrame(CorrFrame &frame, const CorrSetupValues &setup);

// Pixels saturate at ±kPixelLimit: far outside any surface, where drawing draws nothing, and far
// enough inside the int range that the small offsets a marker adds never overflow.
inline constexpr int kPixelLimit = 1 << 30;

// A frame edge as its label shows it: whole numbers as integers, others as the shortest decimal
// text that reads back as the same value.
std::string frameEdgeText(double edge);

// Canvas pixel of a data value.
int toPixelX(const CorrFrame &frame, double x);
int toPixelY(const CorrFrame &frame, double y);
