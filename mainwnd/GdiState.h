#pragma once

// The drawing objects and window objects every mode shares: the canvas DC, the six memory DCs,
// their bitmaps, the pens, brushes and fonts, and the bitmap buttons.

#include "platform/CBitmapButton.h"
#include "platform/Controls.h"
#include "platform/Gdi.h"

struct GdiState
{
    CWnd *canvasWnd = nullptr;
    CDC *canvasDC = nullptr; // the window DC of the picture area, held from start-up to teardown
    CDC backgroundDC, composeDC, plotDC, zoomDC, overlayDC, patchDC;

    CBitmap bitmap129, bitmap134, bitmap137, bitmap145;
    CBitmap plotBitmap, zoomBitmap, backgroundHandle;

    CPen penMagenta2, penGreen2, penTeal2, penRed2, penWhite2, penRed1, penAzure1, penCyan1,
        penDarkGreen1;
    CBrush brushWhite, brushRed, brushAzure, brushCyan;
    CFont titleFont, smallFont;
    CFont *canvasDCPreviousFont = nullptr;
    CFont *overlayDCPreviousFont = nullptr;
    CPen *savedPen = nullptr;
    CBrush *savedBrush = nullptr;

    CToolTipCtrl toolTip;
    CBitmapButton button1008, button1000, button1029, button1005, button1007;
    CWnd *button1008Wnd = nullptr, *button1000Wnd = nullptr, *button1029Wnd = nullptr,
         *button1005Wnd = nullptr, *button1007Wnd = nullptr;
    RECT button1008Rect, button1000Rect, button1029Rect, button1005Rect, button1007Rect;
};

GdiState &gdiState();
