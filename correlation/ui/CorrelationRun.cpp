// The correlation diagram's run command and its animation tick.

#include "correlation/core/CorrFrame.h"
#include "correlation/ui/CCorrSetupDlg.h"
#include "correlation/ui/CorrelationDrawing.h"
#include "mainwnd/CMainDlg.h"
#include "mainwnd/ClockTasks.h"
#include "mainwnd/DataFileMessage.h"
#include "path/ui/CConfirmDlg.h"
#include "res/ResourceIds.h"

namespace {

void startCorrelationRun(CMainDlg &w, RunState &rs, GdiState &gs)
{
    CCorrSetupDlg setup(rs);
    if (setup.DoModal() != IDOK)
        return;

    w.clearReadouts();
    int rowCount = 0;
    if (rs.dataFileGiven) {
        rowCount = loadDataColumnsWithMessage(rs, false);
        if (rowCount > 0) {
            computeFrame(rs);
            rs.plotIndex = 0;
            rs.dataReady = true;
            w.slider().SetRange(1, rowCount, TRUE);
            if (rowCount > 1000)
                w.slider().SetPageSize((rowCount + 1) / 100);
        }
    }
    // A file without any data row shows the empty frame; nothing of an earlier run may play.
    if (rowCount == 0)
        rs.dataReady = false;

    gs.plotDC.SelectObject(&gs.plotLayer);
    clearLayer(rs, gs, gs.plotDC);
    gs.overlayDC.SelectObject(&gs.overlayLayer);
    clearLayer(rs, gs, gs.overlayDC);
    drawFrame(rs, gs);

    // A plot speed below 1 (a setup file may hold one) means no plot speed: draw everything now.
    if (rs.plotPeriodMs <= 0 && rowCount > 0) {
        CPen *previous = gs.plotDC.SelectObject(&gs.penRed1);
        for (int i = 0; i <= rs.lastIndex; ++i)
            drawPointCircle(gs.plotDC, toPixelX(rs, rs.dataX[i]), toPixelY(rs, rs.dataY[i]));
        gs.plotDC.SelectObject(previous);
        drawStatistics(rs, gs, rs.lastIndex, gs.overlayDC);
    }
    composeToCanvas(gs);

    rs.corrRunning = true;
    w.SetTimer(3, 300);
    w.setButtonFace(gs.corrRunButton, gs.corrRunButtonRect, IDB_CORR_ACTIVE);
    rs.pathSetupDone = false;
}

void stopCorrelationRun(CMainDlg &w, RunState &rs, GdiState &gs)
{
    if (rs.playing) {
        w.setButtonFace(gs.playButton, gs.playButtonRect, IDB_PLAY_IDLE);
        rs.playing = false;
    }
    w.killClocks();
    Sleep(500);

    if (rs.sliderMode) {
        w.setButtonFace(gs.sliderModeButton, gs.sliderModeButtonRect, IDB_SLIDER_IDLE);
        rs.sliderMode = false;
    }
    rs.reallocatePointArrays();
    rs.plotIndex = 0;
    rs.lastIndex = 0;
    rs.dataFileGiven = false;
    rs.sourceMode = 0;
    rs.zoomIndex = 0;
    rs.viewReanchor = false;
    gs.plotDC.SelectObject(&gs.plotLayer);
    clearLayer(rs, gs, gs.plotDC);
    rs.corrRunning = false;
    w.setButtonFace(gs.corrRunButton, gs.corrRunButtonRect, IDB_CORR_IDLE);
}

} // namespace

void CMainDlg::OnCorrelationRunStop()
{
    CConfirmDlg confirm(rs);
    if (!rs.corrRunning && rs.corrSetupDone) {
        rs.confirmMessage = "前回設定内容が存在します。修正しますか？";
        if (confirm.DoModal() != IDOK)
            rs.corrSetupDone = false;
    }
    if (rs.corrRunning)
        stopCorrelationRun(*this, rs, gs);
    else if (!rs.pathRunning)
        startCorrelationRun(*this, rs, gs);
}

void correlationTick(CMainDlg &w)
{
    RunState &rs = w.state();
    GdiState &gs = w.gdi();
    const int i = rs.plotIndex;
    // The tick never reads outside the loaded points, whatever the indices hold.
    if (i < 0 || i > rs.lastIndex || i >= kPointCapacity) {
        timeKillEvent(rs.mmTimerId);
        rs.playing = false;
        w.setButtonFace(gs.playButton, gs.playButtonRect, IDB_PLAY_IDLE);
        return;
    }

    gs.plotDC.SelectObject(&gs.plotLayer);
    gs.savedPen = gs.plotDC.SelectObject(&gs.penRed1);
    gs.savedBrush = gs.plotDC.SelectObject(&gs.brushRed);
    const int px = toPixelX(rs, rs.dataX[i]);
    const int py = toPixelY(rs, rs.dataY[i]);

    if (i > 0) {
        gs.plotDC.BitBlt(0, 0, 525, 350, &gs.patchDC, 0, 0, SRCCOPY);
        drawPointCircle(gs.plotDC, rs.lastPointX, rs.lastPointY);
    }
    gs.patchDC.SelectObject(&gs.patchLayer);
    gs.patchDC.BitBlt(0, 0, 525, 350, &gs.plotDC, 0, 0, SRCCOPY);
    if (i > 0)
        drawStatistics(rs, gs, i, gs.plotDC);

    gs.plotDC.SelectObject(&gs.penAzure1);
    gs.plotDC.SelectObject(&gs.brushAzure);
    drawPointDisc(gs.plotDC, px, py);
    rs.lastPointX = px;
    rs.lastPointY = py;
    gs.plotDC.SelectObject(gs.savedPen);
    gs.plotDC.SelectObject(gs.savedBrush);

    composeToCanvas(gs);

    rs.plotIndex = i + 1;
    if (rs.plotIndex > rs.lastIndex) {
        rs.plotIndex = rs.lastIndex;
        w.setButtonFace(gs.playButton, gs.playButtonRect, IDB_PLAY_IDLE);
        rs.playing = false;
        timeKillEvent(rs.mmTimerId);
        rs.pauseHeld = false;
    }
}
