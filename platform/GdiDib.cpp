#include "platform/GdiDib.h"

#include <cstdlib>

std::optional<DibPixels> readDib(const BITMAPINFOHEADER &info, const void *bits, QRect sourceRect)
{
    const long long width = info.biWidth;
    const long long height = std::llabs(static_cast<long long>(info.biHeight));
    if (!bits || info.biBitCount != 24 || info.biCompression != BI_RGB || width <= 0 || height == 0
        || width > kGdiCoordinateLimit || height > kGdiCoordinateLimit)
        return std::nullopt;
    const bool bottomUp = info.biHeight > 0;
    const long long stride = (width * 24 + 31) / 32 * 4;

    // In top-row-first coordinates a bottom-up DIB's rectangle starts srcHeight rows above
    // ySrc, counted from the bottom.
    const int top
        = bottomUp ? static_cast<int>(height) - sourceRect.bottom() - 1 : sourceRect.top();
    const QRect wanted(QPoint(sourceRect.left(), top), sourceRect.size());
    const QRect inside = wanted & QRect(0, 0, static_cast<int>(width), static_cast<int>(height));

    DibPixels pixels;
    pixels.rect = wanted.translated(-inside.topLeft());
    if (inside.isEmpty())
        return pixels;
    pixels.image = QImage(inside.size(), QImage::Format_RGB32);
    if (pixels.image.isNull())
        return std::nullopt;
    const auto *bytes = static_cast<const unsigned char *>(bits);
    for (int y = 0; y < inside.height(); ++y) {
        const long long row = inside.top() + y;
        const unsigned char *in
            = bytes + (bottomUp ? height - 1 - row : row) * stride + inside.left() * 3LL;
        auto *out = reinterpret_cast<QRgb *>(pixels.image.scanLine(y));
        for (int x = 0; x < inside.width(); ++x, in += 3)
            out[x] = qRgb(in[2], in[1], in[0]);
    }
    return pixels;
}
