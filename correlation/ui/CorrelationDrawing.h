#pragma once

// Drawing of the correlation diagram on its layers: the overlay (frame, labels, read-outs and,
// all at once, the lines), the plot layer (points; while animating also the lines) and the
// patch layer that carries the plot layer from tick to tick.

#include "correlation/core/CorrelationModel.h"
#include "mainwnd/GdiState.h"

// Fills the picture's pixels of a layer with white and puts back its pen and brush.
void clearLayer(GdiState &gs, CDC &layer);
void drawFrame(const CorrFrame &frame, GdiState &gs);
// The columns' names beside the X and Y axes, in the frame's text.
void drawAxisTitles(const ColumnHeadings &titles, GdiState &gs);
// Regression and mean lines over the points 0..k on lineLayer, read-outs on the overlay.
void drawStatistics(CorrelationModel &model, GdiState &gs, int k, CDC &lineLayer);
// A plotted point: the outline of the circle in the box (px − 2, py − 2)–(px + 3, py + 3).
void drawPointCircle(CDC &layer, int px, int py);
// A filled disc in the same box, with the layer's current pen and brush.
void drawPointDisc(CDC &layer, int px, int py);
// Overlay and plot layers combined (white is transparent) and shown on the canvas, all of the
// picture or one area of it.
void composeToCanvas(GdiState &gs);
void composeToCanvas(GdiState &gs, QRect area);
