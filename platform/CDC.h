#pragma once

// A device context: draws with GDI's geometry into the bitmap selected into it (a memory DC)
// or into a window's image (a window DC). LineTo leaves out its end pixel; Rectangle, Ellipse
// and Arc boxes leave out their right and bottom edges; raster operations are exact bitwise
// operations. Every primitive clips to its surface; a DC without a surface draws nothing and
// reads as white. Coordinates beyond kGdiCoordinateLimit make a primitive fail.

#include "platform/CBitmap.h"
#include "platform/CBrush.h"
#include "platform/CFont.h"
#include "platform/CPen.h"
#include "platform/GdiSurface.h"
#include "platform/GdiTypes.h"

#include <QPoint>
#include <QRect>
#include <functional>
#include <memory>
#include <string>

class CDC
{
public:
    CDC();
    ~CDC();
    CDC(const CDC &) = delete;
    CDC &operator=(const CDC &) = delete;

    // A memory DC with no bitmap, the stock pen, brush and font, black text on white.
    bool CreateCompatibleDC(CDC *reference);
    // A window DC draws into a window's own image; onChanged is told which part changed.
    void AttachWindowSurface(
        std::shared_ptr<Surface> surface, std::function<void(QRect)> onChanged);
    // Releases the selected bitmap; the DC draws nothing until it is created again.
    bool DeleteDC();

    // Each returns what the selection replaced, or nullptr when the selection is refused and
    // nothing changes: an object never created or already deleted, a bitmap selected into
    // another DC, or a bitmap for a window DC. Selecting CBitmap::stock() releases the bitmap.
    CBitmap *SelectObject(CBitmap *bitmap);
    CPen *SelectObject(CPen *pen);
    CBrush *SelectObject(CBrush *brush);
    CFont *SelectObject(CFont *font);

    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF GetBkColor() const;

    QPoint MoveTo(QPoint point);
    QPoint MoveTo(int x, int y) { return MoveTo(QPoint(x, y)); }
    QPoint GetCurrentPosition() const;
    bool LineTo(QPoint point);
    bool LineTo(int x, int y) { return LineTo(QPoint(x, y)); }
    // Boxes are the pixels covered: GDI's (left, top)-(right, bottom) is the QRect from
    // (left, top) of size (right - left) x (bottom - top).
    bool Rectangle(QRect box);
    bool Rectangle(int left, int top, int right, int bottom);
    bool Ellipse(QRect box);
    bool Ellipse(int left, int top, int right, int bottom);
    bool Arc(QRect box, QPoint start, QPoint end);
    bool Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    // An opaque cell in the background colour, as wide as the text's advance and as tall as
    // the font's ascent plus descent, with its top-left corner at the point.
    bool TextOut(QPoint point, const std::string &utf8);
    bool TextOut(int x, int y, const std::string &utf8) { return TextOut(QPoint(x, y), utf8); }
    bool FillSolidRect(QRect rect, COLORREF color);

    bool BitBlt(QRect target, CDC *source, QPoint sourceOrigin, RasterOp rop);
    bool BitBlt(int x, int y, int width, int height, CDC *source, int xSrc, int ySrc, RasterOp rop);
    // Black-on-white stretch mode: source pixels folding into one destination pixel are ANDed.
    bool StretchBlt(QRect target, CDC *source, QRect sourceRect, RasterOp rop);
    bool StretchBlt(int x, int y, int width, int height, CDC *source, int xSrc, int ySrc,
        int srcWidth, int srcHeight, RasterOp rop);
    // A 24-bit DIB, rows padded to 4 bytes; ySrc counts from the DIB's first row in memory,
    // the bottom one of a bottom-up DIB (biHeight > 0). Returns the DIB rows read, 0 on failure.
    int StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
        int srcHeight, const void *bits, const BITMAPINFOHEADER *info, unsigned usage,
        RasterOp rop);

    // AlphaBlend with AC_SRC_ALPHA: an ARGB32 picture (not premultiplied) drawn source-over with
    // its top-left at the point; false when the DC has no surface.
    bool AlphaBlend(QPoint at, const QImage &source);

    // While enabled (DCB_ENABLE), the DC gathers the bounding box of the pixels its drawing
    // changes; DCB_RESET empties it, DCB_ACCUMULATE adds the given rectangle. Returns the state
    // before: DCB_ENABLE or DCB_DISABLE, with DCB_SET when the box held something.
    unsigned SetBoundsRect(const QRect *rect, unsigned flags);
    // The box gathered (DCB_SET) or DCB_RESET when it is empty; DCB_RESET in flags empties it.
    unsigned GetBoundsRect(QRect *rect, unsigned flags);

    COLORREF GetPixel(QPoint point) const; // white outside the surface or with no bitmap
    COLORREF GetPixel(int x, int y) const { return GetPixel(QPoint(x, y)); }
    const QImage *image() const; // the surface drawn into, or nullptr

private:
    friend class CBitmap;
    // The bitmap object was deleted while selected: the DC keeps its pixels but no longer
    // refers to the object.
    void forgetBitmapObject(const CBitmap *bitmap);
    QImage *target() const;
    void changed(QRect rect) const;

    struct State;
    std::unique_ptr<State> d;
};
