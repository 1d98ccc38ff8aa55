// The play/pause button: starts, pauses and resumes the animation of the running mode.

#include "correlation/ui/CorrelationDrawing.h"
#include "mainwnd/CMainDlg.h"
#include "mainwnd/ClockTasks.h"
#include "mainwnd/SaveFailedMessage.h"
#include "path/core/TeachingRoute.h"
#include "path/ui/PathView.h"
#include "res/ResourceIds.h"

void CMainDlg::OnPlayPause()
{
    if (rs.playing) {
        setButtonFace(gs.playButton, gs.playButtonRect, IDB_PLAY_IDLE);
        rs.playing = false;
        if (rs.pathRunning) {
            if (rs.endReached) {
                timeKillEvent(rs.mmTimerId);
                rs.endReached = false;
            } else {
                rs.pauseHeld = true; // the clock runs on; each tick redraws the current point
            }
        } else if (rs.corrRunning) {
            timeKillEvent(rs.mmTimerId);
            if (rs.plotIndex != 0)
                gs.plotDC.SelectObject(&gs.plotLayer);
        }
        return;
    }
    if (!rs.dataReady || rs.sourceMode == 2)
        return;

    if (rs.pathRunning && rs.backgroundLoaded) {
        setButtonFace(gs.playButton, gs.playButtonRect, IDB_PLAY_ACTIVE);
        rs.playing = true;
        gs.plotDC.SelectObject(&gs.penMagenta2);
        if (rs.sourceMode == 1) {
            std::string fileError;
            const auto result = buildTeachingRoute(
                rs, [](int ms) { Sleep(static_cast<DWORD>(ms)); }, &fileError);
            if (result == TeachingRouteResult::TooManyPoints)
                AfxMessageBox(
                    std::string(teachingCapacityMessage(rs.teachCount, rs.curveInterpolation)));
            else if (result == TeachingRouteResult::BuiltFileNotWritten) // it plays all the same
                AfxMessageBox(saveFailedMessage(rs.dataFilePath, fileError));
        }
        // At the last point with the clock stopped the run is over; held there, it resumes.
        if (rs.plotIndex == rs.lastIndex && !rs.pauseHeld) {
            // A clean background at the zoom in use: the trajectory starts again from point 0.
            drawBackgroundAtZoom(rs, gs);
            rs.plotIndex = 0;
        }
        KillTimer(1);
        if (rs.pauseHeld)
            rs.pauseHeld = false;
        else
            rs.mmTimerId = timeSetEvent(
                static_cast<UINT>(std::max(rs.tickPeriodMs, 0)), 1, timerProc, 1, TIME_PERIODIC);
        if (rs.characterBlink)
            SetTimer(2, 300);
        return;
    }

    if (rs.corrRunning && !rs.sliderMode && rs.plotPeriodMs > 0) {
        setButtonFace(gs.playButton, gs.playButtonRect, IDB_PLAY_ACTIVE);
        rs.playing = true;
        rs.tickPeriodMs = rs.plotPeriodMs;
        timeKillEvent(rs.mmTimerId);
        gs.plotDC.SelectObject(&gs.plotLayer);
        if (rs.plotIndex == rs.lastIndex) {
            rs.plotIndex = 0;
            clearLayer(rs, gs, gs.plotDC);
        } else if (rs.plotIndex == 0) {
            clearLayer(rs, gs, gs.plotDC);
        }
        rs.mmTimerId
            = timeSetEvent(static_cast<UINT>(rs.tickPeriodMs), 1, timerProc, 2, TIME_PERIODIC);
    }
}
