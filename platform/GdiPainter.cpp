#include "platform/GdiPainter.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

// Pixel centres exactly on an ellipse belong to it.
constexpr double kOnEllipse = 1e-7;

double angleOf(double dx, double dy) { return std::atan2(-dy, dx); }

double normalised(double radians)
{
    const double turn = 2 * std::numbers::pi;
    const double r = std::fmod(radians, turn);
    return r < 0 ? r + turn : r;
}

} // namespace

GdiPainter::GdiPainter(QImage &target)
    : m_pixels(reinterpret_cast<QRgb *>(target.bits()))
    , m_stride(target.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)))
    , m_bounds(target.rect())
{
}

void GdiPainter::plot(int x, int y, QRgb colour) { m_pixels[y * m_stride + x] = colour; }

void GdiPainter::fillSpan(int y, int first, int last, QRgb colour)
{
    first = std::max(first, m_bounds.left());
    last = std::min(last, m_bounds.right());
    if (first <= last)
        std::fill(m_pixels + y * m_stride + first, m_pixels + y * m_stride + last + 1, colour);
}

QRect GdiPainter::fillRect(QRect rect, QRgb colour)
{
    const QRect clipped = rect & m_bounds;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        fillSpan(y, clipped.left(), clipped.right(), colour);
    return clipped;
}

QRect GdiPainter::drawLine(QPoint from, QPoint to, Stroke pen)
{
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    if (dx == 0 && dy == 0)
        return {};
    const int low = -(pen.width / 2);
    const int high = (pen.width - 1) / 2;
    const QRect touched = QRect(from, to).normalized().adjusted(low, low, high, high) & m_bounds;
    if (touched.isEmpty())
        return {};

    // Steps along the major axis, the minor one rounded to the nearest pixel; the pen's width
    // spreads along the minor axis. Only steps whose major coordinate is inside are visited.
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const long long steps = xMajor ? std::abs(dx) : std::abs(dy);
    const long long rise = xMajor ? std::abs(dy) : std::abs(dx);
    const int majorSign = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int minorSign = (xMajor ? dy : dx) >= 0 ? 1 : -1;
    const long long major0 = xMajor ? from.x() : from.y();
    const long long minor0 = xMajor ? from.y() : from.x();
    const long long majorEnd = xMajor ? m_bounds.width() : m_bounds.height();
    const long long minorEnd = xMajor ? m_bounds.height() : m_bounds.width();

    long long first = 0;
    long long last = steps - 1;
    if (majorSign > 0) {
        first = std::max(first, -major0);
        last = std::min(last, majorEnd - 1 - major0);
    } else {
        first = std::max(first, major0 - majorEnd + 1);
        last = std::min(last, major0);
    }
    for (long long i = first; i <= last; ++i) {
        const long long major = major0 + majorSign * i;
        const long long minor = minor0 + minorSign * ((2 * i * rise + steps) / (2 * steps));
        for (int o = low; o <= high; ++o) {
            const long long across = minor + o;
            if (across < 0 || across >= minorEnd)
                continue;
            if (xMajor)
                plot(static_cast<int>(major), static_cast<int>(across), pen.colour);
            else
                plot(static_cast<int>(across), static_cast<int>(major), pen.colour);
        }
    }
    return touched;
}

GdiPainter::Span GdiPainter::spanOf(Figure figure, QRect box, int y)
{
    if (y < box.top() || y > box.bottom())
        return { 1, 0 };
    switch (figure) {
    case Figure::Rectangle:
        return { box.left(), box.right() };
    case Figure::Ellipse: {
        // Pixels whose centres lie inside the ellipse inscribed in the box.
        const double a = box.width() / 2.0;
        const double b = box.height() / 2.0;
        const double centreX = box.left() + a;
        const double v = (y + 0.5 - (box.top() + b)) / b;
        const double reach = a * std::sqrt(std::max(0.0, 1 - v * v)) + kOnEllipse;
        const double first = std::ceil(centreX - reach - 0.5);
        const double last = std::floor(centreX + reach - 0.5);
        return { static_cast<int>(std::max(first, static_cast<double>(box.left()))),
            static_cast<int>(std::min(last, static_cast<double>(box.right()))) };
    }
    }
    return { 1, 0 };
}

GdiPainter::Span GdiPainter::innerSpanOf(Figure figure, QRect box, int y, int penWidth)
{
    // The figure eroded penWidth times by the 4-neighbourhood: row y + k, narrowed by
    // penWidth - |k| on each side, for every |k| <= penWidth.
    Span inner { INT_MIN, INT_MAX };
    for (int k = -penWidth; k <= penWidth; ++k) {
        const Span row = spanOf(figure, box, y + k);
        if (row.isEmpty())
            return row;
        const int narrowing = penWidth - std::abs(k);
        inner.first = std::max(inner.first, row.first + narrowing);
        inner.last = std::min(inner.last, row.last - narrowing);
    }
    return inner;
}

QRect GdiPainter::drawFigure(
    Figure figure, QRect box, Stroke pen, std::optional<QRgb> fill, std::optional<Sweep> sweep)
{
    const QRect clipped = box & m_bounds;
    if (clipped.isEmpty())
        return {};
    const QPointF centre = QRectF(box).center();
    auto drawOutline = [&](int y, int first, int last) {
        if (!sweep) {
            fillSpan(y, first, last, pen.colour);
            return;
        }
        first = std::max(first, m_bounds.left());
        last = std::min(last, m_bounds.right());
        for (int x = first; x <= last; ++x) {
            const double angle = angleOf(x + 0.5 - centre.x(), y + 0.5 - centre.y());
            if (normalised(angle - sweep->start) <= sweep->extent)
                plot(x, y, pen.colour);
        }
    };
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        const Span outer = spanOf(figure, box, y);
        if (outer.isEmpty())
            continue;
        const Span inner = innerSpanOf(figure, box, y, pen.width);
        if (inner.isEmpty()) {
            drawOutline(y, outer.first, outer.last);
            continue;
        }
        drawOutline(y, outer.first, inner.first - 1);
        drawOutline(y, inner.last + 1, outer.last);
        if (fill)
            fillSpan(y, inner.first, inner.last, *fill);
    }
    return clipped;
}

QRect GdiPainter::drawRectangle(QRect box, Stroke pen, QRgb fill)
{
    return drawFigure(Figure::Rectangle, box, pen, fill, std::nullopt);
}

QRect GdiPainter::drawEllipse(QRect box, Stroke pen, std::optional<QRgb> fill)
{
    return drawFigure(Figure::Ellipse, box, pen, fill, std::nullopt);
}

QRect GdiPainter::drawArc(QRect box, QPoint start, QPoint end, Stroke pen)
{
    const QPointF centre = QRectF(box).center();
    const double from = angleOf(start.x() - centre.x(), start.y() - centre.y());
    const double to = angleOf(end.x() - centre.x(), end.y() - centre.y());
    const double extent = normalised(to - from);
    if (extent == 0.0)
        return drawFigure(Figure::Ellipse, box, pen, std::nullopt, std::nullopt);
    return drawFigure(Figure::Ellipse, box, pen, std::nullopt, Sweep { from, extent });
}
