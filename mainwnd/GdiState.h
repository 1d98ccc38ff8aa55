#pragma once

// The drawing objects the diagrams share: the picture area's DC, the six memory DCs, their
// bitmaps, the pens, brushes and fonts.

#include "platform/CWnd.h"
#include "platform/Gdi.h"

struct GdiState
{
    CWnd *canvasWnd = nullptr;
    CDC *canvasDC = nullptr; // the window DC of the picture area, held from start-up to teardown
    CDC backgroundDC, composeDC, plotDC, zoomDC, overlayDC, patchDC;

    CBitmap canvasBitmap, overlayLayer, plotLayer, patchLayer;
    CBitmap plotBitmap, zoomBitmap, backgroundHandle;

    CPen penMagenta2, penGreen2, penTeal2, penRed2, penWhite2, penRed1, penAzure1, penCyan1,
        penDarkGreen1;
    CBrush brushWhite, brushRed, brushAzure, brushCyan;
    CFont titleFont, smallFont;
    CFont *canvasDCPreviousFont = nullptr;
    CFont *overlayDCPreviousFont = nullptr;
    CPen *savedPen = nullptr;
    CBrush *savedBrush = nullptr;
};

// The layers, pens, brushes and fonts over the picture area's DC, from start-up to teardown.
void createDrawingObjects(GdiState &gs, CWnd *canvas);
void releaseDrawingObjects(GdiState &gs);
