#pragma once

// Block transfers between RGB32 images. Pixels outside the source (or every pixel, when there
// is no source) read as white; nothing outside the target is read or written. Each returns
// the part of the target it changed, empty when nothing. Rectangles must lie within GDI's
// coordinate range (kGdiCoordinateLimit) so that no arithmetic overflows.

#include "platform/GdiTypes.h"

#include <QImage>
#include <QRect>

QRect rasterBlit(
    QImage &target, QRect targetRect, const QImage *source, QPoint sourceOrigin, RasterOp op);

// GDI's black-on-white stretch mode: the source pixels folding into one target pixel are
// ANDed when shrinking; enlarging replicates the nearest source pixel.
QRect rasterStretch(
    QImage &target, QRect targetRect, const QImage *source, QRect sourceRect, RasterOp op);
