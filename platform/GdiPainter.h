#pragma once

// Rasterises GDI's figures into an RGB32 image pixel by pixel, so that small markers come out
// exactly as GDI draws them. Every figure clips to the image first; each call returns the part
// of the image it may have changed. Coordinates must lie within kGdiCoordinateLimit.
//
// Boxes are QRects of the pixels a figure may cover (GDI's right and bottom edges left out).
// Closed figures keep their outline inside the box: a pen of width w paints the pixels of the
// figure that lie within w 4-neighbour steps of its outside, and the brush fills the rest.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>

struct Stroke
{
    int width = 1;
    QRgb colour = 0xFF000000u;
};

class GdiPainter
{
public:
    explicit GdiPainter(QImage &target);

    QRect fillRect(QRect rect, QRgb colour);
    // Leaves out the end pixel. A wider pen spreads across the line: a 2-px pen paints rows
    // y - 1 and y of a horizontal line, columns x - 1 and x of a vertical one.
    QRect drawLine(QPoint from, QPoint to, Stroke pen);
    QRect drawRectangle(QRect box, Stroke pen, QRgb fill);
    QRect drawEllipse(QRect box, Stroke pen, std::optional<QRgb> fill);
    // The outline counter-clockwise from the ray through `start` to the ray through `end`,
    // both from the box's centre; the whole outline when the rays coincide.
    QRect drawArc(QRect box, QPoint start, QPoint end, Stroke pen);

private:
    enum class Figure {
        Rectangle,
        Ellipse,
    };
    struct Span
    {
        int first;
        int last;
        bool isEmpty() const { return first > last; }
    };
    struct Sweep
    {
        double start; // radians, counter-clockwise on screen
        double extent;
    };

    static Span spanOf(Figure figure, QRect box, int y);
    static Span innerSpanOf(Figure figure, QRect box, int y, int penWidth);
    QRect drawFigure(
        Figure figure, QRect box, Stroke pen, std::optional<QRgb> fill, std::optional<Sweep> sweep);
    void fillSpan(int y, int first, int last, QRgb colour);
    void plot(int x, int y, QRgb colour);

    QRgb *m_pixels;
    qsizetype m_stride;
    QRect m_bounds;
};
