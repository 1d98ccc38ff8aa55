#pragma once

// GDI-like drawing over QImage: device contexts, bitmaps, pens, brushes, fonts and the blits,
// with GDI's documented geometry (LineTo leaves out its end pixel; Rectangle, Ellipse and Arc
// boxes leave out their right and bottom edges; raster operations are exact bitwise ops).

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

using COLORREF = std::uint32_t; // 0x00BBGGRR, as in GDI

constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

enum class RasterOp {
    SrcCopy,
    SrcAnd,
    SrcPaint,
};
inline constexpr RasterOp SRCCOPY = RasterOp::SrcCopy;
inline constexpr RasterOp SRCAND = RasterOp::SrcAnd;
inline constexpr RasterOp SRCPAINT = RasterOp::SrcPaint;

inline constexpr int PS_SOLID = 0;
inline constexpr unsigned DIB_RGB_COLORS = 0;

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

class CDC;

// The pixels behind a bitmap or a window; shared, so that deleting a bitmap that is still
// selected never leaves a DC with a dangling surface.
struct Surface
{
    QImage image; // Format_RGB32
    CDC *selectedInto = nullptr; // a surface is selected into at most one memory DC
};

class CGdiObject
{
public:
    virtual ~CGdiObject() = default;
    bool IsValid() const { return m_valid; }

protected:
    bool m_valid = false;
};

class CBitmap : public CGdiObject
{
public:
    // A white bitmap of the image's size and contents (resources are painted as QImages).
    bool CreateFromImage(const QImage &image);
    // LoadImage(IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE) of any format Qt reads.
    bool LoadImageFromFile(const std::string &path);
    bool CreateBitmapIndirect(const BITMAP &info);
    int GetBitmap(BITMAP *info) const;
    bool DeleteObject();
    const QImage *image() const;
    std::shared_ptr<Surface> surface() const { return m_surface; }

private:
    std::shared_ptr<Surface> m_surface;
};

class CPen : public CGdiObject
{
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    bool CreatePen(int style, int width, COLORREF color);
    bool DeleteObject();
    int width() const { return m_width; }
    COLORREF color() const { return m_color; }

private:
    int m_width = 1;
    COLORREF m_color = 0;
};

class CBrush : public CGdiObject
{
public:
    bool CreateSolidBrush(COLORREF color);
    bool DeleteObject();
    COLORREF color() const { return m_color; }

private:
    COLORREF m_color = 0;
};

class CFont : public CGdiObject
{
public:
    // CreateFont's arguments; "ＭＳ ゴシック" and friends are mapped to an installed Japanese
    // gothic face at start-up (see QtSetup.h). Creation can be made to fail for tests.
    bool CreateFont(int height, int width, int escapement, int orientation, int weight,
        bool italic, bool underline, bool strikeOut, int charSet, int outPrecision,
        int clipPrecision, int quality, int pitchAndFamily, const std::string &face);
    bool DeleteObject();
    const QFont *font() const;

    static void failCreationForTesting(bool fail);

private:
    std::shared_ptr<QFont> m_font;
};

class CDC
{
public:
    CDC();
    ~CDC();
    CDC(const CDC &) = delete;
    CDC &operator=(const CDC &) = delete;

    bool CreateCompatibleDC(CDC *reference);
    // A window DC draws into a window's own image; onChanged is told which part changed.
    void AttachWindowSurface(std::shared_ptr<Surface> surface, std::function<void(QRect)> onChanged);
    bool DeleteDC();

    // Each returns what the selection replaced; a bitmap already selected into another DC
    // is refused (nullptr, nothing changes).
    CBitmap *SelectObject(CBitmap *bitmap);
    CPen *SelectObject(CPen *pen);
    CBrush *SelectObject(CBrush *brush);
    CFont *SelectObject(CFont *font);

    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);

    QPoint MoveTo(int x, int y);
    bool LineTo(int x, int y);
    bool Rectangle(int left, int top, int right, int bottom);
    bool Ellipse(int left, int top, int right, int bottom);
    bool Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    bool TextOut(int x, int y, const std::string &utf8);
    bool FillSolidRect(QRect rect, COLORREF color);

    bool BitBlt(int x, int y, int width, int height, CDC *source, int xSrc, int ySrc, RasterOp rop);
    // Black-on-white stretch mode: source pixels folding into one destination pixel are ANDed.
    bool StretchBlt(int x, int y, int width, int height, CDC *source, int xSrc, int ySrc,
        int srcWidth, int srcHeight, RasterOp rop);
    // A 24-bit DIB (bottom-up when biHeight > 0), rows padded to 4 bytes.
    int StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
        int srcHeight, const void *bits, const BITMAPINFOHEADER *info, unsigned usage,
        RasterOp rop);

    COLORREF GetPixel(int x, int y) const; // white outside the surface or with no bitmap
    const QImage *image() const; // the surface drawn into, or nullptr

private:
    // ... implementation state (current surface, objects, colours, pen position)
    struct State;
    std::unique_ptr<State> d;
};
