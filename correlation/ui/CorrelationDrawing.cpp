#include "correlation/ui/CorrelationDrawing.h"

#include "correlation/core/CorrFrame.h"
#include "correlation/core/CorrStatistics.h"
#include "correlation/core/RegressionLine.h"
#include "data/NumberText.h"
#include "data/Translate.h"
#include "mainwnd/PictureSize.h"

void clearLayer(GdiState &gs, CDC &layer)
{
    gs.savedPen = layer.SelectObject(&gs.penWhite2);
    gs.savedBrush = layer.SelectObject(&gs.brushWhite);
    layer.Rectangle(0, 0, kPictureWidth, kPictureHeight);
    layer.SelectObject(gs.savedPen);
    layer.SelectObject(gs.savedBrush);
}

void drawFrame(const CorrFrame &frame, GdiState &gs)
{
    CDC &dc = gs.overlayDC;
    dc.MoveTo(117, 25);
    dc.LineTo(417, 25);
    dc.LineTo(417, 325);
    dc.LineTo(117, 325);
    dc.LineTo(117, 25);
    dc.MoveTo(97, 175);
    dc.LineTo(437, 175);
    dc.MoveTo(267, 7);
    dc.LineTo(267, 346);

    std::string centre = "(";
    appendReadout(centre, frame.centreX, frame.centreDecimals);
    centre += ',';
    appendReadout(centre, frame.centreY, frame.centreDecimals);
    centre += ')';
    dc.TextOut(269, 175, centre);
    dc.TextOut(419, 175, frameEdgeText(frame.xMax));
    dc.TextOut(119, 175, frameEdgeText(frame.xMin));
    dc.TextOut(269, 25, frameEdgeText(frame.yMax));
    dc.TextOut(269, 325, frameEdgeText(frame.yMin));
    dc.TextOut(432, 160, "X");
    dc.TextOut(255, 8, "Y");
}

void drawAxisTitles(const ColumnHeadings &titles, GdiState &gs)
{
    // Right of the X beside the axis's right end, and right of the Y axis's top end; a long
    // name runs off the picture's edge.
    if (!titles.x.empty())
        gs.overlayDC.TextOut(440, 160, titles.x);
    if (!titles.y.empty())
        gs.overlayDC.TextOut(271, 8, titles.y);
}

namespace {

// A read-out on the overlay. The same text where it stands already is not drawn again: its cell
// is opaque, so drawing it over itself would change no pixel.
void showReadout(std::string &shown, CDC &overlay, int y, std::string text)
{
    if (text == shown)
        return;
    overlay.TextOut(421, y, text);
    shown = std::move(text);
}

} // namespace

void drawStatistics(CorrelationModel &model, GdiState &gs, int k, CDC &lineLayer)
{
    const CorrFrame &frame = model.frame;
    CorrStatistics &stats = model.stats;
    if (k < 0)
        return; // no points: nothing to compute or draw
    // With all X equal there is no regression line; the means still exist and are drawn.
    const StatisticsFound found = computeStatistics(stats, model.points, k, &model.runningSums);
    if (found.line) {
        if (const auto line = regressionLineEnds(stats, frame)) {
            CPen *previous = lineLayer.SelectObject(&gs.penCyan1);
            lineLayer.MoveTo(toPixelX(frame, line->x1), toPixelY(frame, line->y1));
            lineLayer.LineTo(toPixelX(frame, line->x2), toPixelY(frame, line->y2));
            lineLayer.SelectObject(previous);
        }
    }

    CPen *previous = lineLayer.SelectObject(&gs.penAzure1);
    const int meanPixelX = toPixelX(frame, stats.meanX);
    lineLayer.MoveTo(meanPixelX, toPixelY(frame, frame.yMax));
    lineLayer.LineTo(meanPixelX, toPixelY(frame, frame.yMin));
    const int meanPixelY = toPixelY(frame, stats.meanY);
    lineLayer.MoveTo(toPixelX(frame, frame.xMin), meanPixelY);
    lineLayer.LineTo(toPixelX(frame, frame.xMax), meanPixelY);
    lineLayer.SelectObject(previous);

    std::string text = tx("CorrelationPicture", "X平均値  : ");
    appendReadout(text, stats.meanX, 1);
    showReadout(model.readoutsShown[1], gs.overlayDC, 305, text + ' ');
    text = tx("CorrelationPicture", "Y平均値  : ");
    appendReadout(text, stats.meanY, 1);
    showReadout(model.readoutsShown[2], gs.overlayDC, 315, text + ' ');

    text = tx("CorrelationPicture", "相関係数 : ");
    if (found.coefficient) {
        appendReadout(text, correlationCoefficient(stats), 2);
        text += ' ';
    } else {
        text += "ERR  ";
    }
    showReadout(model.readoutsShown[0], gs.overlayDC, 295, text);
}

void drawPointCircle(CDC &layer, int px, int py)
{
    layer.Arc(px - 2, py - 2, px + 3, py + 3, px, py - 2, px, py - 2);
}

void drawPointDisc(CDC &layer, int px, int py) { layer.Ellipse(px - 2, py - 2, px + 3, py + 3); }

void composeToCanvas(GdiState &gs)
{
    composeToCanvas(gs, QRect(0, 0, kPictureWidth, kPictureHeight));
}

void composeToCanvas(GdiState &gs, QRect area)
{
    if (area.isEmpty())
        return;
    // Straight onto the window's picture when there is one: the two layers meet nowhere else,
    // and the window shows nothing in between (it paints from the same thread).
    CDC *to = gs.canvasDC;
    if (!to) {
        gs.composeDC.SelectObject(&gs.canvasBitmap);
        to = &gs.composeDC;
    }
    to->BitBlt(area, &gs.overlayDC, area.topLeft(), SRCCOPY);
    // Both layers are drawn on white: AND shows the marks of both.
    to->BitBlt(area, &gs.plotDC, area.topLeft(), SRCAND);
}
