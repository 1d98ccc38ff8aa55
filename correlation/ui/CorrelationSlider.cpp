// The correlation diagram's point slider: one point marked on the plot, its values read out.

#include "correlation/ui/CorrelationDiagram.h"
#include "correlation/ui/CorrelationDrawing.h"
#include "data/NumberText.h"
#include "mainwnd/GdiState.h"
#include "mainwnd/WindowControls.h"
#include "res/ControlIds.h"

#include <algorithm>

void CorrelationDiagram::sliderMode()
{
    CorrelationModel &m = *m_model;
    if (m.sliderMode) {
        ui.showActive(IDC_SLIDER_MODE, false);
        m.sliderMode = false;
        ui.showSliderRow(0);
        gs.patchDC.SelectObject(&gs.patchLayer);
        gs.savedPen = gs.patchDC.SelectObject(&gs.penWhite2);
        gs.savedBrush = gs.patchDC.SelectObject(&gs.brushWhite);
        gs.patchDC.Rectangle(0, 0, 20, 80);
        gs.patchDC.SelectObject(gs.savedPen);
        gs.patchDC.SelectObject(gs.savedBrush);
    } else if (!pb.playing() && m_running && pb.ready()) {
        // Without data there is no point to mark: a marker at (0, 0) and 0.00 would be invented.
        ui.showActive(IDC_SLIDER_MODE, true);
        m.sliderMode = true;
        m.sliderFirstMarker = true;
    }
}

void CorrelationDiagram::sliderMoved() { showSliderPosition(); }

void CorrelationDiagram::showSliderPosition()
{
    CorrelationModel &m = *m_model;
    if (!m.sliderMode || !m.points.holds(pb.lastIndex()))
        return;
    // The slider's range follows the rows read; never look outside them.
    const int i = std::clamp(ui.slider.GetPos() - 1, 0, pb.lastIndex());
    const auto at = static_cast<std::size_t>(i);

    gs.plotDC.SelectObject(&gs.plotLayer);
    gs.savedPen = gs.plotDC.SelectObject(&gs.penCyan1);
    gs.savedBrush = gs.plotDC.SelectObject(&gs.brushCyan);
    const int px = toPixelX(m.frame, m.points.x[at]);
    const int py = toPixelY(m.frame, m.points.y[at]);

    gs.patchDC.SelectObject(&gs.patchLayer);
    if (m.sliderFirstMarker)
        m.sliderFirstMarker = false;
    else
        gs.plotDC.BitBlt(
            m.sliderMarkerX - 10, m.sliderMarkerY - 10, 20, 20, &gs.patchDC, 0, 40, SRCCOPY);
    gs.patchDC.BitBlt(0, 40, 20, 20, &gs.plotDC, px - 10, py - 10, SRCCOPY);

    drawPointDisc(gs.plotDC, px, py);
    m.sliderMarkerX = px;
    m.sliderMarkerY = py;
    gs.plotDC.SelectObject(gs.savedPen);
    gs.plotDC.SelectObject(gs.savedBrush);

    composeToCanvas(gs);

    ui.editX.SetWindowText(formatReadout(m.points.x[at], 2));
    ui.editY.SetWindowText(formatReadout(m.points.y[at], 2));
    ui.showSliderRow(m.points.lineOf(i));
    if (!m.points.time.empty())
        ui.editTime.SetWindowText(loggedTimeText(m.points, i, m_setup.values.time.unit));
    else
        ui.editTime.SetWindowText(m_setup.values.plotSpeedMs > 0
                ? formatFixed(m_setup.values.plotSpeedMs * static_cast<double>(i) * 0.001, 2)
                : "");
}
