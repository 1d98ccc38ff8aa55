#include "platform/CDC.h"

#include "platform/GdiDib.h"
#include "platform/GdiPainter.h"
#include "platform/GothicFonts.h"
#include "platform/RasterBlit.h"

#include <QFontMetrics>
#include <QPainter>
#include <optional>
#include <utility>

namespace {

bool inRange(long long v) { return v >= -kGdiCoordinateLimit && v <= kGdiCoordinateLimit; }
bool inRange(QPoint p) { return inRange(p.x()) && inRange(p.y()); }
bool inRange(QRect r)
{
    return inRange(r.left()) && inRange(r.top()) && inRange(r.right() + 1LL)
        && inRange(r.bottom() + 1LL);
}
bool inRange(long long x, long long y, long long width, long long height)
{
    return inRange(x) && inRange(y) && inRange(x + width) && inRange(y + height);
}

// GDI takes the corners of a box in either order.
QRect boxOf(int left, int top, int right, int bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    return { QPoint(left, top), QSize(right - left, bottom - top) };
}

} // namespace

struct CDC::State
{
    enum class Kind {
        None,
        Memory,
        Window,
    };
    Kind kind = Kind::None;
    std::shared_ptr<Surface> surface;
    CBitmap *bitmap = CBitmap::stock();
    std::function<void(QRect)> onChanged;
    CPen *pen = CPen::stock();
    Stroke stroke;
    CBrush *brush = CBrush::stock();
    QRgb fill = rgb32FromColorref(RGB(255, 255, 255));
    // Both empty for the stock font: fonts need the application object, which may not exist
    // yet when a process-wide DC is constructed.
    CFont *font = nullptr;
    std::shared_ptr<const LazyFont> qfont;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    QPoint position;
    bool boundsEnabled = false;
    QRect bounds;
};

CDC::CDC()
    : d(std::make_unique<State>())
{
}

CDC::~CDC() { DeleteDC(); }

bool CDC::CreateCompatibleDC(CDC * /*reference*/)
{
    DeleteDC();
    d->kind = State::Kind::Memory;
    return true;
}

void CDC::AttachWindowSurface(
    std::shared_ptr<Surface> surface, std::function<void(QRect)> onChanged)
{
    DeleteDC();
    d->kind = State::Kind::Window;
    d->surface = std::move(surface);
    d->onChanged = std::move(onChanged);
}

bool CDC::DeleteDC()
{
    if (d->kind == State::Kind::None)
        return false;
    if (d->surface && d->surface->selectedInto == this)
        d->surface->selectedInto = nullptr;
    *d = State {};
    return true;
}

CBitmap *CDC::SelectObject(CBitmap *bitmap)
{
    if (!bitmap || d->kind != State::Kind::Memory)
        return nullptr;
    std::shared_ptr<Surface> surface = bitmap->surface();
    if (bitmap != CBitmap::stock()) {
        if (!surface || (surface->selectedInto && surface->selectedInto != this))
            return nullptr;
    }
    if (d->surface && d->surface != surface)
        d->surface->selectedInto = nullptr;
    if (surface)
        surface->selectedInto = this;
    d->surface = std::move(surface);
    return std::exchange(d->bitmap, bitmap);
}

CPen *CDC::SelectObject(CPen *pen)
{
    if (!pen || !pen->IsValid() || d->kind == State::Kind::None)
        return nullptr;
    d->stroke = { pen->width(), rgb32FromColorref(pen->color()) };
    return std::exchange(d->pen, pen);
}

CBrush *CDC::SelectObject(CBrush *brush)
{
    if (!brush || !brush->IsValid() || d->kind == State::Kind::None)
        return nullptr;
    d->fill = rgb32FromColorref(brush->color());
    return std::exchange(d->brush, brush);
}

CFont *CDC::SelectObject(CFont *font)
{
    if (!font || !font->lazyFont() || d->kind == State::Kind::None)
        return nullptr;
    d->qfont = font->lazyFont();
    CFont *replaced = std::exchange(d->font, font);
    return replaced ? replaced : CFont::stock();
}

void CDC::forgetBitmapObject(const CBitmap *bitmap)
{
    if (d->bitmap == bitmap)
        d->bitmap = CBitmap::stock();
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return std::exchange(d->textColor, color & 0xFFFFFFu);
}
COLORREF CDC::SetBkColor(COLORREF color) { return std::exchange(d->bkColor, color & 0xFFFFFFu); }
COLORREF CDC::GetTextColor() const { return d->textColor; }
COLORREF CDC::GetBkColor() const { return d->bkColor; }

QImage *CDC::target() const { return d->surface ? &d->surface->image : nullptr; }
const QImage *CDC::image() const { return target(); }

void CDC::changed(QRect rect) const
{
    if (rect.isEmpty())
        return;
    if (d->boundsEnabled)
        d->bounds |= rect;
    if (d->onChanged)
        d->onChanged(rect);
}

unsigned CDC::SetBoundsRect(const QRect *rect, unsigned flags)
{
    const unsigned before = (d->boundsEnabled ? DCB_ENABLE : DCB_DISABLE)
        | (d->bounds.isEmpty() ? DCB_RESET : DCB_SET);
    if (flags & DCB_RESET)
        d->bounds = QRect();
    if ((flags & DCB_ACCUMULATE) && rect)
        d->bounds |= rect->normalized();
    if (flags & DCB_ENABLE)
        d->boundsEnabled = true;
    else if (flags & DCB_DISABLE)
        d->boundsEnabled = false;
    return before;
}

unsigned CDC::GetBoundsRect(QRect *rect, unsigned flags)
{
    if (rect)
        *rect = d->bounds;
    const unsigned state = d->bounds.isEmpty() ? DCB_RESET : DCB_SET;
    if (flags & DCB_RESET)
        d->bounds = QRect();
    return state;
}

QPoint CDC::MoveTo(QPoint point) { return std::exchange(d->position, point); }
QPoint CDC::GetCurrentPosition() const { return d->position; }

bool CDC::LineTo(QPoint point)
{
    const QPoint from = std::exchange(d->position, point);
    if (d->kind == State::Kind::None || !inRange(from) || !inRange(point))
        return false;
    if (QImage *image = target())
        changed(GdiPainter(*image).drawLine(from, point, d->stroke));
    return true;
}

bool CDC::Rectangle(QRect box)
{
    if (d->kind == State::Kind::None || !inRange(box))
        return false;
    if (QImage *image = target())
        changed(GdiPainter(*image).drawRectangle(box, d->stroke, d->fill));
    return true;
}

bool CDC::Rectangle(int left, int top, int right, int bottom)
{
    return inRange(left) && inRange(top) && inRange(right) && inRange(bottom)
        && Rectangle(boxOf(left, top, right, bottom));
}

bool CDC::Ellipse(QRect box)
{
    if (d->kind == State::Kind::None || !inRange(box))
        return false;
    if (QImage *image = target())
        changed(GdiPainter(*image).drawEllipse(box, d->stroke, d->fill));
    return true;
}

bool CDC::Ellipse(int left, int top, int right, int bottom)
{
    return inRange(left) && inRange(top) && inRange(right) && inRange(bottom)
        && Ellipse(boxOf(left, top, right, bottom));
}

bool CDC::Arc(QRect box, QPoint start, QPoint end)
{
    if (d->kind == State::Kind::None || !inRange(box) || !inRange(start) || !inRange(end))
        return false;
    if (QImage *image = target())
        changed(GdiPainter(*image).drawArc(box, start, end, d->stroke));
    return true;
}

bool CDC::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd)
{
    return inRange(left) && inRange(top) && inRange(right) && inRange(bottom)
        && Arc(boxOf(left, top, right, bottom), QPoint(xStart, yStart), QPoint(xEnd, yEnd));
}

bool CDC::TextOut(QPoint point, const std::string &utf8)
{
    if (d->kind == State::Kind::None || !inRange(point))
        return false;
    QImage *image = target();
    if (!image || utf8.empty())
        return true;
    const QString text = QString::fromStdString(utf8);
    const QFont &font = d->qfont ? d->qfont->get() : *CFont::stock()->font();
    const QFontMetrics metrics(font, image);
    const QRect cell(
        point, QSize(metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()));
    const QRect clipped = cell & image->rect();
    if (clipped.isEmpty())
        return true;
    QPainter painter(image);
    painter.setClipRect(clipped);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.fillRect(cell, QColor::fromRgb(rgb32FromColorref(d->bkColor)));
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(rgb32FromColorref(d->textColor)));
    painter.drawText(QPoint(point.x(), point.y() + metrics.ascent()), text);
    // A bitmap strike has no bold cut: embolden it as GDI does, by striking it again one pixel
    // to the right, within the same cell.
    if (font.weight() >= QFont::DemiBold && isCrispGothic(font))
        painter.drawText(QPoint(point.x() + 1, point.y() + metrics.ascent()), text);
    painter.end();
    changed(clipped);
    return true;
}

bool CDC::FillSolidRect(QRect rect, COLORREF color)
{
    if (d->kind == State::Kind::None || !inRange(rect))
        return false;
    if (QImage *image = target())
        changed(GdiPainter(*image).fillRect(rect, rgb32FromColorref(color)));
    return true;
}

bool CDC::BitBlt(QRect target, CDC *source, QPoint sourceOrigin, RasterOp rop)
{
    if (d->kind == State::Kind::None || !source || source->d->kind == State::Kind::None
        || !inRange(target) || !inRange(QRect(sourceOrigin, target.size())))
        return false;
    if (QImage *image = this->target())
        changed(rasterBlit(*image, target, source->target(), sourceOrigin, rop));
    return true;
}

bool CDC::BitBlt(int x, int y, int width, int height, CDC *source, int xSrc, int ySrc, RasterOp rop)
{
    return width >= 0 && height >= 0 && inRange(x, y, width, height)
        && inRange(xSrc, ySrc, width, height)
        && BitBlt(QRect(x, y, width, height), source, QPoint(xSrc, ySrc), rop);
}

bool CDC::StretchBlt(QRect target, CDC *source, QRect sourceRect, RasterOp rop)
{
    if (d->kind == State::Kind::None || !source || source->d->kind == State::Kind::None
        || !inRange(target) || !inRange(sourceRect))
        return false;
    if (QImage *image = this->target())
        changed(rasterStretch(*image, target, source->target(), sourceRect, rop));
    return true;
}

bool CDC::StretchBlt(int x, int y, int width, int height, CDC *source, int xSrc, int ySrc,
    int srcWidth, int srcHeight, RasterOp rop)
{
    // FIXME: negative sizes mirror in GDI; nothing here asks for that.
    return width >= 0 && height >= 0 && srcWidth >= 0 && srcHeight >= 0
        && inRange(x, y, width, height) && inRange(xSrc, ySrc, srcWidth, srcHeight)
        && StretchBlt(
            QRect(x, y, width, height), source, QRect(xSrc, ySrc, srcWidth, srcHeight), rop);
}

int CDC::StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
    int srcHeight, const void *bits, const BITMAPINFOHEADER *info, unsigned usage, RasterOp rop)
{
    if (d->kind == State::Kind::None || !info || usage != DIB_RGB_COLORS || width < 0 || height < 0
        || srcWidth < 0 || srcHeight < 0 || !inRange(x, y, width, height)
        || !inRange(xSrc, ySrc, srcWidth, srcHeight))
        return 0;
    const std::optional<DibPixels> dib
        = readDib(*info, bits, QRect(xSrc, ySrc, srcWidth, srcHeight));
    if (!dib)
        return 0;
    if (QImage *image = target())
        changed(rasterStretch(*image, QRect(x, y, width, height), &dib->image, dib->rect, rop));
    return dib->image.height();
}

COLORREF CDC::GetPixel(QPoint point) const
{
    const QImage *image = target();
    if (!image || !image->rect().contains(point))
        return RGB(255, 255, 255);
    return colorrefFromRgb32(image->pixel(point));
}
