#include "correlation/ui/CorrelationDrawing.h"

#include "correlation/core/CorrFrame.h"
#include "correlation/core/CorrStatistics.h"
#include "correlation/core/RegressionLine.h"
#include "data/NumberText.h"
#include "mainwnd/ClockTasks.h"

void clearLayer(RunState &rs, GdiState &gs, CDC &layer)
{
    gs.savedPen = layer.SelectObject(&gs.penWhite2);
    gs.savedBrush = layer.SelectObject(&gs.brushWhite);
    layer.Rectangle(0, 0, rs.viewWidth, rs.viewHeight);
    layer.SelectObject(gs.savedPen);
    layer.SelectObject(gs.savedBrush);
}

void drawFrame(RunState &rs, GdiState &gs)
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
    appendFixed(centre, rs.frameCentreX, 1);
    centre += ',';
    appendFixed(centre, rs.frameCentreY, 1);
    centre += ')';
    dc.TextOut(269, 175, centre);
    dc.TextOut(419, 175, formatInt(rs.frameXMax));
    dc.TextOut(119, 175, formatInt(rs.frameXMin));
    dc.TextOut(269, 25, formatInt(rs.frameYMax));
    dc.TextOut(269, 325, formatInt(rs.frameYMin));
    dc.TextOut(432, 160, "X");
    dc.TextOut(255, 8, "Y");
}

void drawStatistics(RunState &rs, GdiState &gs, int k, CDC &lineLayer)
{
    if (k < 0)
        return; // no points: nothing to compute or draw
    // With all X equal there is no regression line; the means still exist and are drawn.
    if (computeRegression(rs, k)) {
        if (const auto line = regressionLineEnds(rs)) {
            CPen *previous = lineLayer.SelectObject(&gs.penCyan1);
            lineLayer.MoveTo(toPixelX(rs, line->x1), toPixelY(rs, line->y1));
            lineLayer.LineTo(toPixelX(rs, line->x2), toPixelY(rs, line->y2));
            lineLayer.SelectObject(previous);
        }
    }

    CPen *previous = lineLayer.SelectObject(&gs.penAzure1);
    const int meanPixelX = toPixelX(rs, rs.meanX);
    lineLayer.MoveTo(meanPixelX, toPixelY(rs, rs.frameYMax));
    lineLayer.LineTo(meanPixelX, toPixelY(rs, rs.frameYMin));
    const int meanPixelY = toPixelY(rs, rs.meanY);
    lineLayer.MoveTo(toPixelX(rs, rs.frameXMin), meanPixelY);
    lineLayer.LineTo(toPixelX(rs, rs.frameXMax), meanPixelY);
    lineLayer.SelectObject(previous);

    std::string text = "X平均値  : ";
    appendFixed(text, rs.meanX, 1);
    gs.overlayDC.TextOut(421, 305, text + ' ');
    text = "Y平均値  : ";
    appendFixed(text, rs.meanY, 1);
    gs.overlayDC.TextOut(421, 315, text + ' ');

    if (computeCorrelationTerms(rs, k)) {
        text = "相関係数 : ";
        appendFixed(text, correlationCoefficient(rs), 2);
        gs.overlayDC.TextOut(421, 295, text + ' ');
    } else {
        gs.overlayDC.TextOut(421, 295, "相関係数 : ERR  ");
    }
}

void drawPointCircle(CDC &layer, int px, int py)
{
    layer.Arc(px - 2, py - 2, px + 3, py + 3, px, py - 2, px, py - 2);
}

void drawPointDisc(CDC &layer, int px, int py) { layer.Ellipse(px - 2, py - 2, px + 3, py + 3); }

void composeToCanvas(GdiState &gs)
{
    gs.composeDC.SelectObject(&gs.canvasBitmap);
    gs.composeDC.BitBlt(0, 0, 525, 350, &gs.overlayDC, 0, 0, SRCCOPY);
    // Both layers are drawn on white: AND shows the marks of both.
    gs.composeDC.BitBlt(0, 0, 525, 350, &gs.plotDC, 0, 0, SRCAND);
    if (gs.canvasDC)
        gs.canvasDC->BitBlt(0, 0, 525, 350, &gs.composeDC, 0, 0, SRCCOPY);
}
