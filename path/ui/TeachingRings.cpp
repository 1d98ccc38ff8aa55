// Teaching points as the picture shows them: the map place under the mouse, and the rings of the
// points taught so far.

#include "mainwnd/GdiState.h"
#include "mainwnd/WindowControls.h"
#include "path/ui/PathDiagram.h"

// A 7 × 7 ring around the plot pixel (column, row).
void PathDiagram::drawRing(CPen &pen, int column, int row)
{
    CPen *previous = gs.plotDC.SelectObject(&pen);
    gs.plotDC.Arc(column - 3, row - 3, column + 4, row + 4, column - 3, row, column - 3, row);
    gs.plotDC.SelectObject(previous);
}

PathDiagram::Place PathDiagram::placeOf(POINT point) const
{
    const MapView &v = m_model->view;
    Place p;
    p.column = point.x - ui.canvasRect.left + v.srcX;
    p.row = point.y - ui.canvasRect.top + v.srcY;
    p.data = dataFromBackground(v, p.column, v.mapHeight - p.row);
    return p;
}

// The clean background over the rings (and any trail), then every ring again from the stored
// points; the picked one red when there is one.
void PathDiagram::redrawRings(int picked)
{
    const PathModel &m = *m_model;
    gs.plotDC.BitBlt(0, 0, m.view.mapWidth, m.view.mapHeight, &gs.zoomDC, 0, 0, SRCCOPY);
    for (int k = 0; k < m.teaching.count; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const MappedPoint p = mapPathPoint(m.view, m.teaching.x[at], m.teaching.y[at]);
        drawRing(k == picked ? gs.penRed2 : gs.penTeal2, p.bx, p.by);
    }
    showView();
}
