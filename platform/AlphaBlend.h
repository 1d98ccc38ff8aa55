#pragma once

// Source-over blending of a picture with its own transparency onto an RGB32 image, as GDI's
// AlphaBlend with per-pixel alpha does, rounded exactly: each channel becomes
// (source * alpha + target * (255 - alpha) + 127) / 255.

#include <QImage>
#include <QRect>

// Blends source (ARGB32, not premultiplied) with its top-left at `at`; only what lies inside
// the target is touched. Returns the part of the target it changed.
QRect blendSourceOver(QImage &target, QPoint at, const QImage &source);
