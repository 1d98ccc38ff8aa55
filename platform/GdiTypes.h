#pragma once

// The Win32 value types of the drawing layer: colours, raster operations and bitmap headers.

#include <QRgb>
#include <cstdint>

using COLORREF = std::uint32_t; // 0x00BBGGRR, as in GDI

constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

// Surfaces hold QImage::Format_RGB32 pixels (0xFFRRGGBB).
constexpr QRgb rgb32FromColorref(COLORREF c)
{
    return 0xFF000000u | (c & 0x0000FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
}
constexpr COLORREF colorrefFromRgb32(QRgb pixel)
{
    return (pixel & 0x0000FF00u) | ((pixel >> 16) & 0xFFu) | ((pixel & 0xFFu) << 16);
}

// GDI keeps coordinates within 28 bits; a primitive given anything beyond draws nothing. The
// limit also keeps every product of two coordinates within 64 bits.
inline constexpr int kGdiCoordinateLimit = 1 << 27;

enum class RasterOp {
    SrcCopy,
    SrcAnd,
    SrcPaint,
};
inline constexpr RasterOp SRCCOPY = RasterOp::SrcCopy;
inline constexpr RasterOp SRCAND = RasterOp::SrcAnd;

// Bounds accumulation of a DC (SetBoundsRect, GetBoundsRect).
enum : unsigned {
    DCB_RESET = 0x1,
    DCB_ACCUMULATE = 0x2,
    DCB_SET = DCB_RESET | DCB_ACCUMULATE,
    DCB_ENABLE = 0x4,
    DCB_DISABLE = 0x8,
};
inline constexpr RasterOp SRCPAINT = RasterOp::SrcPaint;

inline constexpr int PS_SOLID = 0;
inline constexpr unsigned DIB_RGB_COLORS = 0;
inline constexpr std::uint32_t BI_RGB = 0;

// The description GetBitmap gives and CreateBitmapIndirect takes.
struct BITMAP
{
    int bmType = 0;
    int bmWidth = 0;
    int bmHeight = 0;
    int bmWidthBytes = 0;
    int bmPlanes = 1;
    int bmBitsPixel = 32;
};

// The header of a device-independent bitmap (bottom-up when biHeight > 0).
struct BITMAPINFOHEADER
{
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 24;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};
