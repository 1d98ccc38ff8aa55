#pragma once

// Reading a 24-bit device-independent bitmap: rows of blue, green, red bytes, each row padded
// to 4 bytes, the bottom row first unless biHeight is negative.

#include "platform/GdiTypes.h"

#include <QImage>
#include <QRect>
#include <optional>

struct DibPixels
{
    QImage image; // the part of the DIB inside the requested rectangle, top row first
    QRect rect; // that rectangle again, now relative to `image`, with the top row first
};

// The pixels of `sourceRect` (x from the left; y from the DIB's first row as GDI counts it,
// which is the bottom row of a bottom-up DIB). Nothing when the header does not describe an
// uncompressed 24-bit DIB or `bits` is null.
std::optional<DibPixels> readDib(const BITMAPINFOHEADER &info, const void *bits, QRect sourceRect);
