// The correlation diagram's tick: the previous point joins the points drawn so far, the
// statistics of the points so far and the current point go on top until the next tick.

#include "correlation/ui/CorrelationDiagram.h"
#include "correlation/ui/CorrelationDrawing.h"
#include "mainwnd/GdiState.h"
#include "mainwnd/PictureSize.h"
#include "mainwnd/Playback.h"
#include "mainwnd/WindowControls.h"

namespace {

// Starts gathering where a layer's drawing changes pixels.
void gatherChanges(CDC &layer) { layer.SetBoundsRect(nullptr, DCB_RESET | DCB_ENABLE); }

// Where the layer's drawing changed pixels since gatherChanges; gathering stops.
QRect changesGathered(CDC &layer)
{
    QRect changed;
    layer.GetBoundsRect(&changed, DCB_RESET);
    layer.SetBoundsRect(nullptr, DCB_DISABLE);
    return changed;
}

} // namespace

// The previous point becomes a circle on the patch layer, which carries the points drawn so far;
// the plot layer is the patch layer plus this tick's lines and disc. Right after the previous
// tick only what the two ticks drew is restored and shown again (the circle lies in the box of
// the previous tick's disc): everywhere else the layers and the canvas hold already what a full
// redraw would give them.
void CorrelationDiagram::drawTick(int i, int px, int py)
{
    CorrelationModel &m = *m_model;
    gs.plotDC.SelectObject(&gs.plotLayer);
    gs.patchDC.SelectObject(&gs.patchLayer);
    const bool inPlace = i > 0 && m_tickMarksIndex == i - 1;
    const QRect restored = inPlace ? m_tickMarks : QRect(0, 0, kPictureWidth, kPictureHeight);
    if (i > 0) {
        CPen *previous = gs.patchDC.SelectObject(&gs.penRed1);
        drawPointCircle(gs.patchDC, m.lastPointX, m.lastPointY);
        gs.patchDC.SelectObject(previous);
        gs.plotDC.BitBlt(restored, &gs.patchDC, restored.topLeft(), SRCCOPY);
    } else {
        gs.patchDC.BitBlt(restored, &gs.plotDC, restored.topLeft(), SRCCOPY);
    }

    gatherChanges(gs.plotDC);
    gatherChanges(gs.overlayDC);
    if (i > 0)
        drawStatistics(m, gs, i, gs.plotDC);
    gs.savedPen = gs.plotDC.SelectObject(&gs.penAzure1);
    gs.savedBrush = gs.plotDC.SelectObject(&gs.brushAzure);
    drawPointDisc(gs.plotDC, px, py);
    gs.plotDC.SelectObject(gs.savedPen);
    gs.plotDC.SelectObject(gs.savedBrush);
    const QRect marks = changesGathered(gs.plotDC);
    const QRect readouts = changesGathered(gs.overlayDC);

    if (inPlace) {
        composeToCanvas(gs, m_tickMarks | marks);
        composeToCanvas(gs, readouts);
    } else {
        composeToCanvas(gs);
    }
    m_tickMarks = marks;
    m_tickMarksIndex = i;
}

// A tick between two frames of a render, which nobody sees: only what later ticks build on is
// drawn, the previous point's circle on the patch layer and the read-outs (whose longer earlier
// texts show behind shorter ones). The next seen tick restores the plot layer from the patch.
void CorrelationDiagram::drawUnseenTick(int i)
{
    CorrelationModel &m = *m_model;
    gs.patchDC.SelectObject(&gs.patchLayer);
    CPen *previous = gs.patchDC.SelectObject(&gs.penRed1);
    drawPointCircle(gs.patchDC, m.lastPointX, m.lastPointY);
    gs.patchDC.SelectObject(previous);
    drawStatistics(m, gs, i, gs.plotDC);
}

TickOutcome CorrelationDiagram::tick()
{
    CorrelationModel &m = *m_model;
    const int i = pb.index();
    // The tick never reads outside the loaded points, whatever the indices hold.
    if (i > pb.lastIndex() || !m.points.holds(i))
        return TickOutcome::End;
    const auto at = static_cast<std::size_t>(i);
    const int px = toPixelX(m.frame, m.points.x[at]);
    const int py = toPixelY(m.frame, m.points.y[at]);
    if (pb.unseen() && i > 0 && i < pb.lastIndex())
        drawUnseenTick(i);
    else
        drawTick(i, px, py);
    m.lastPointX = px;
    m.lastPointY = py;
    // A logged time belongs to the point drawn, also to one a step shows; the slider's point
    // keeps the box while the slider is on.
    if (!m.points.time.empty() && !pb.unseen() && !m.sliderMode)
        ui.editTime.SetWindowText(loggedTimeText(m.points, i, m_setup.values.time.unit));
    return i == pb.lastIndex() ? TickOutcome::End : TickOutcome::Next;
}
