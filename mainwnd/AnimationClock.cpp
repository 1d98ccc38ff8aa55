// The window timers and the periodic tick of the main window.

#include "mainwnd/CMainDlg.h"
#include "mainwnd/ClockTasks.h"
#include "path/ui/PathView.h"

#include <cstdio>

void CMainDlg::OnTimer(UINT id)
{
    char text[32];
    switch (id) {
    case 1:
        // The default background is placed like a named one, so one view serves both.
        showPathView(rs, gs);
        // In teaching mode the canvas is refreshed once; the mouse handlers draw from then on.
        if (rs.sourceMode == 1)
            KillTimer(1);
        break;
    case 2:
        if (rs.characterFrame == 1)
            rs.characterFrame = 2;
        else if (rs.characterFrame == 2)
            rs.characterFrame = 1;
        if (rs.pathRunning && !rs.sliderMode && rs.tickPeriodMs > 0) {
            // Elapsed time counts plotted points, not wall-clock time.
            const long long ms = static_cast<long long>(rs.tickPeriodMs) * rs.plotIndex;
            std::snprintf(text, sizeof text, "%.2f", static_cast<double>(ms) * 0.001);
            m_editTime.SetWindowText(text);
        }
        break;
    case 3:
        composeToCanvas(gs);
        if (rs.corrRunning && !rs.sliderMode && rs.plotPeriodMs > 0 && rs.playing) {
            const long long ms = static_cast<long long>(rs.plotPeriodMs) * rs.plotIndex;
            std::snprintf(text, sizeof text, "%.2f", static_cast<double>(ms) * 0.001);
            m_editTime.SetWindowText(text);
        }
        break;
    default:
        break;
    }
    Default();
}

void CMainDlg::OnTick(DWORD_PTR type)
{
    if (type == 1)
        pathTick(*this);
    else if (type == 2)
        correlationTick(*this);
}

void CMainDlg::killClocks()
{
    KillTimer(1);
    KillTimer(2);
    timeKillEvent(rs.mmTimerId);
    KillTimer(3);
}
