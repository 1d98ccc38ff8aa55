#pragma once

// The path view: 525 × 350 pixels of plotDC, from (viewSrcX, viewSrcY), shown on the canvas at
// (viewDstX, viewDstY). Every refresh of the path picture is this one copy.

#include "mainwnd/GdiState.h"
#include "mainwnd/RunState.h"

inline void showPathView(const RunState &rs, GdiState &gs, CDC &target)
{
    target.BitBlt(rs.viewDstX, rs.viewDstY, rs.viewWidth, rs.viewHeight, &gs.plotDC, rs.viewSrcX,
        rs.viewSrcY, SRCCOPY);
}

inline void showPathView(const RunState &rs, GdiState &gs)
{
    if (gs.canvasDC)
        showPathView(rs, gs, *gs.canvasDC);
}

// The clean background at the current zoom, lower-left aligned, into zoomDC and plotDC; white
// around it when zoomed out.
void drawBackgroundAtZoom(RunState &rs, GdiState &gs);
