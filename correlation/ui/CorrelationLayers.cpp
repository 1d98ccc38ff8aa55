#include "mainwnd/ClockTasks.h"

void composeToCanvas(RunState &, GdiState &gs)
{
    gs.composeDC.SelectObject(&gs.bitmap129);
    gs.composeDC.BitBlt(0, 0, 525, 350, &gs.overlayDC, 0, 0, SRCCOPY);
    gs.composeDC.BitBlt(0, 0, 525, 350, &gs.plotDC, 0, 0, SRCAND);
    if (gs.canvasDC)
        gs.canvasDC->BitBlt(0, 0, 525, 350, &gs.composeDC, 0, 0, SRCCOPY);
}
