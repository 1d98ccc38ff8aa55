#include "mainwnd/GdiState.h"

#include "platform/Resources.h"
#include "res/ResourceIds.h"

void createDrawingObjects(GdiState &gs, CWnd *canvas)
{
    gs.canvasWnd = canvas;
    gs.canvasDC = gs.canvasWnd ? gs.canvasWnd->GetDC() : nullptr;

    for (CDC *dc :
        { &gs.backgroundDC, &gs.composeDC, &gs.plotDC, &gs.zoomDC, &gs.overlayDC, &gs.patchDC })
        dc->CreateCompatibleDC(gs.canvasDC);

    LoadBitmap(gs.canvasBitmap, IDB_CANVAS);
    LoadBitmap(gs.plotLayer, IDB_PLOT);
    LoadBitmap(gs.overlayLayer, IDB_OVERLAY);
    LoadBitmap(gs.patchLayer, IDB_PATCH);

    gs.penMagenta2.CreatePen(PS_SOLID, 2, RGB(255, 0, 255));
    gs.plotDC.SelectObject(&gs.penMagenta2);
    gs.penGreen2.CreatePen(PS_SOLID, 2, RGB(0, 215, 52));
    gs.penTeal2.CreatePen(PS_SOLID, 2, RGB(0, 212, 212));
    gs.penRed2.CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
    gs.penWhite2.CreatePen(PS_SOLID, 2, RGB(255, 255, 255));
    gs.brushWhite.CreateSolidBrush(RGB(255, 255, 255));
    gs.penRed1.CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    gs.brushRed.CreateSolidBrush(RGB(255, 0, 0));
    gs.penAzure1.CreatePen(PS_SOLID, 1, RGB(0, 127, 255));
    gs.brushAzure.CreateSolidBrush(RGB(0, 127, 255));
    gs.penCyan1.CreatePen(PS_SOLID, 1, RGB(0, 255, 255));
    gs.brushCyan.CreateSolidBrush(RGB(0, 255, 255));

    if (gs.titleFont.CreateFont(
            14, 0, 0, 0, 700, false, false, false, 128, 2, 0, 0, 0, "ＭＳ ゴシック")
        && gs.canvasDC)
        gs.canvasDCPreviousFont = gs.canvasDC->SelectObject(&gs.titleFont);
    else
        gs.canvasDCPreviousFont = nullptr;
    if (gs.canvasDC)
        gs.canvasDC->SetTextColor(RGB(0, 127, 255));
    if (gs.smallFont.CreateFont(
            10, 0, 0, 0, 400, false, false, false, 128, 2, 0, 0, 0, "ＭＳ ゴシック"))
        gs.overlayDCPreviousFont = gs.overlayDC.SelectObject(&gs.smallFont);
    else
        gs.overlayDCPreviousFont = nullptr;

    gs.overlayDC.SetTextColor(RGB(0, 127, 11));
    gs.penDarkGreen1.CreatePen(PS_SOLID, 1, RGB(0, 127, 11));
    gs.overlayDC.SelectObject(&gs.penDarkGreen1);
}

void releaseDrawingObjects(GdiState &gs)
{
    for (CPen *pen : { &gs.penMagenta2, &gs.penGreen2, &gs.penTeal2, &gs.penRed2, &gs.penWhite2,
             &gs.penRed1, &gs.penDarkGreen1, &gs.penAzure1, &gs.penCyan1 })
        pen->DeleteObject();
    for (CBrush *brush : { &gs.brushWhite, &gs.brushRed, &gs.brushAzure, &gs.brushCyan })
        brush->DeleteObject();

    if (gs.overlayDCPreviousFont)
        gs.overlayDC.SelectObject(gs.overlayDCPreviousFont);
    gs.smallFont.DeleteObject();
    if (gs.canvasDCPreviousFont && gs.canvasDC)
        gs.canvasDC->SelectObject(gs.canvasDCPreviousFont);
    gs.titleFont.DeleteObject();

    for (CDC *dc :
        { &gs.backgroundDC, &gs.zoomDC, &gs.composeDC, &gs.plotDC, &gs.overlayDC, &gs.patchDC })
        dc->DeleteDC();

    if (gs.canvasWnd)
        gs.canvasWnd->ReleaseDC(gs.canvasDC);
    gs.canvasDC = nullptr;
    gs.canvasWnd = nullptr;
}
