#pragma once

// The raster operations on rows of RGB32 pixels. Each is exact bitwise arithmetic; since
// every pixel of a surface has alpha 0xFF, the result keeps it.

#include "platform/GdiTypes.h"

#include <algorithm>
#include <cstring>

inline constexpr QRgb kWhitePixel = 0xFFFFFFFFu;

namespace raster_detail {

// Blocks of a fixed size let GCC vectorise at -O2, whose cost model refuses loops of
// unknown length; the tail stays scalar.
inline constexpr int kBlock = 16;

template <typename Combine>
inline void combineBlocks(QRgb *__restrict dst, const QRgb *__restrict src, int count, Combine op)
{
    int i = 0;
    for (; i + kBlock <= count; i += kBlock)
        for (int k = 0; k < kBlock; ++k)
            dst[i + k] = op(dst[i + k], src[i + k]);
    for (; i < count; ++i)
        dst[i] = op(dst[i], src[i]);
}

} // namespace raster_detail

// dst[i] = dst[i] op src[i] for count pixels; dst and src must not overlap.
inline void combineRow(QRgb *dst, const QRgb *src, int count, RasterOp op)
{
    if (count <= 0)
        return;
    switch (op) {
    case RasterOp::SrcCopy:
        std::memcpy(dst, src, static_cast<std::size_t>(count) * sizeof(QRgb));
        return;
    case RasterOp::SrcAnd:
        raster_detail::combineBlocks(dst, src, count, [](QRgb d, QRgb s) { return d & s; });
        return;
    case RasterOp::SrcPaint:
        raster_detail::combineBlocks(dst, src, count, [](QRgb d, QRgb s) { return d | s; });
        return;
    }
}

// The same with a white source, which is what lies outside every source surface.
inline void combineRowWithWhite(QRgb *dst, int count, RasterOp op)
{
    if (count <= 0)
        return;
    switch (op) {
    case RasterOp::SrcCopy:
    case RasterOp::SrcPaint:
        std::fill_n(dst, count, kWhitePixel);
        return;
    case RasterOp::SrcAnd:
        return;
    }
}
