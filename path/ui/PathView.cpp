#include "path/ui/PathView.h"

#include "data/TruncToInt.h"

#include <algorithm>

namespace {

void whiten(GdiState &gs, CDC &dc, int width, int height)
{
    gs.savedPen = dc.SelectObject(&gs.penWhite2);
    gs.savedBrush = dc.SelectObject(&gs.brushWhite);
    dc.Rectangle(0, 0, width, height);
    dc.SelectObject(gs.savedPen);
    dc.SelectObject(gs.savedBrush);
}

} // namespace

void drawBackgroundAtZoom(RunState &rs, GdiState &gs)
{
    const int w = rs.backgroundWidth, h = rs.backgroundHeight;
    const double z = rs.zoomFactors[static_cast<std::size_t>(std::clamp(rs.zoomIndex, 0, 2))];
    whiten(gs, gs.zoomDC, w, h);
    gs.zoomDC.SelectObject(&gs.zoomBitmap);
    const QRect scaled(0, truncToInt(h - h * z), truncToInt(w * z), truncToInt(h * z));
    gs.zoomDC.StretchBlt(scaled, &gs.backgroundDC, QRect(0, 0, w, h), SRCCOPY);
    if (rs.zoomIndex != 0)
        whiten(gs, gs.plotDC, w, h);
    gs.plotDC.BitBlt(scaled, &gs.zoomDC, scaled.topLeft(), SRCCOPY);
}
