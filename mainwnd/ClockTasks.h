#pragma once

// What the clocks run: the two tick branches and the correlation composition.

#include "mainwnd/GdiState.h"
#include "mainwnd/RunState.h"

class CMainDlg;

void pathTick(CMainDlg &window);
void correlationTick(CMainDlg &window);
// Overlay and plot layers combined (white is transparent) and shown on the canvas.
void composeToCanvas(GdiState &gs);
