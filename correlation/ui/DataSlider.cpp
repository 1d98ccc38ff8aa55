// The data-position slider of the correlation diagram: a cyan marker on the chosen point and its
// values in the read-outs.

#include "correlation/core/CorrFrame.h"
#include "correlation/ui/CorrelationDrawing.h"
#include "data/NumberText.h"
#include "mainwnd/CMainDlg.h"
#include "mainwnd/ClockTasks.h"
#include "res/ResourceIds.h"

#include <algorithm>

namespace {

void showSliderPosition(CMainDlg &w)
{
    RunState &rs = w.state();
    GdiState &gs = w.gdi();
    if (!rs.sliderMode || rs.lastIndex < 0)
        return;
    // The slider's range follows the rows read; never look outside them.
    const int i
        = std::clamp(w.slider().GetPos() - 1, 0, std::min(rs.lastIndex, kPointCapacity - 1));

    gs.plotDC.SelectObject(&gs.plotLayer);
    gs.savedPen = gs.plotDC.SelectObject(&gs.penCyan1);
    gs.savedBrush = gs.plotDC.SelectObject(&gs.brushCyan);
    const int px = toPixelX(rs, rs.dataX[i]);
    const int py = toPixelY(rs, rs.dataY[i]);

    gs.patchDC.SelectObject(&gs.patchLayer);
    if (rs.sliderFirstMarker)
        rs.sliderFirstMarker = false;
    else
        gs.plotDC.BitBlt(
            rs.sliderMarkerX - 10, rs.sliderMarkerY - 10, 20, 20, &gs.patchDC, 0, 40, SRCCOPY);
    gs.patchDC.BitBlt(0, 40, 20, 20, &gs.plotDC, px - 10, py - 10, SRCCOPY);

    drawPointDisc(gs.plotDC, px, py);
    rs.sliderMarkerX = px;
    rs.sliderMarkerY = py;
    gs.plotDC.SelectObject(gs.savedPen);
    gs.plotDC.SelectObject(gs.savedBrush);

    composeToCanvas(gs);

    w.editX().SetWindowText(formatFixed(rs.dataX[i], 2));
    w.editY().SetWindowText(formatFixed(rs.dataY[i], 2));
    w.editTime().SetWindowText(rs.plotPeriodMs > 0
            ? formatFixed(rs.plotPeriodMs * static_cast<double>(i) * 0.001, 2)
            : "");
}

} // namespace

void CMainDlg::OnSliderMode()
{
    if (rs.sliderMode) {
        setButtonFace(gs.sliderModeButton, gs.sliderModeButtonRect, IDB_SLIDER_IDLE);
        rs.sliderMode = false;
        gs.patchDC.SelectObject(&gs.patchLayer);
        gs.savedPen = gs.patchDC.SelectObject(&gs.penWhite2);
        gs.savedBrush = gs.patchDC.SelectObject(&gs.brushWhite);
        gs.patchDC.Rectangle(0, 0, 20, 80);
        gs.patchDC.SelectObject(gs.savedPen);
        gs.patchDC.SelectObject(gs.savedBrush);
    } else if (!rs.playing && rs.corrRunning && rs.dataReady) {
        // Without data there is no point to mark: a marker at (0, 0) and 0.00 would be invented.
        setButtonFace(gs.sliderModeButton, gs.sliderModeButtonRect, IDB_SLIDER_ACTIVE);
        rs.sliderMode = true;
        rs.sliderFirstMarker = true;
    }
}

void CMainDlg::OnSliderReleasedCapture(LRESULT *result)
{
    showSliderPosition(*this);
    *result = 0;
}

void CMainDlg::OnSliderCustomDraw(LRESULT *result)
{
    showSliderPosition(*this);
    *result = 0;
}
