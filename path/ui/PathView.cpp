// The path view: the picture's pixels of the map surface, its zoom steps, the four scroll
// buttons and how the view follows the walker.

#include "data/Translate.h"
#include "data/TruncToInt.h"
#include "mainwnd/GdiState.h"
#include "mainwnd/PictureSize.h"
#include "mainwnd/Playback.h"
#include "mainwnd/WindowControls.h"
#include "path/ui/PathDiagram.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kScrollStep = 150;
constexpr std::array<const char *, kZoomSteps.size()> kZoomLabels { TX_NOOP("PathView", "等倍"),
    TX_NOOP("PathView", "1/2倍"), TX_NOOP("PathView", "1/4倍") };

void whiten(GdiState &gs, CDC &dc, int width, int height)
{
    gs.savedPen = dc.SelectObject(&gs.penWhite2);
    gs.savedBrush = dc.SelectObject(&gs.brushWhite);
    dc.Rectangle(0, 0, width, height);
    dc.SelectObject(gs.savedPen);
    dc.SelectObject(gs.savedBrush);
}

constexpr int kEdgeMargin = 50; // a walker nearer an edge of the view than this moves it
constexpr int kEdgeStep = 50;

} // namespace

void PathDiagram::showView(CDC &target)
{
    const MapView &v = m_model->view;
    target.BitBlt(
        v.dstX, v.dstY, kPictureWidth, kPictureHeight, &gs.plotDC, v.srcX, v.srcY, SRCCOPY);
}

void PathDiagram::showView()
{
    if (gs.canvasDC)
        showView(*gs.canvasDC);
    // Every move of the view passes here: the arrows show which way it can still scroll.
    showScrollArrows();
}

void PathDiagram::drawBackgroundAtZoom()
{
    const MapView &v = m_model->view;
    const int w = v.mapWidth, h = v.mapHeight;
    const double z = zoomFactor(v.zoomIndex);
    whiten(gs, gs.zoomDC, w, h);
    gs.zoomDC.SelectObject(&gs.zoomBitmap);
    const QRect scaled(0, truncToInt(h - h * z), truncToInt(w * z), truncToInt(h * z));
    gs.zoomDC.StretchBlt(scaled, &gs.backgroundDC, QRect(0, 0, w, h), SRCCOPY);
    if (v.zoomIndex != 0)
        whiten(gs, gs.plotDC, w, h);
    gs.plotDC.BitBlt(scaled, &gs.zoomDC, scaled.topLeft(), SRCCOPY);
}

// The trajectory so far drawn again at the new scale, through the point the tick draws next,
// over the background at that scale.
void PathDiagram::redrawAtZoom()
{
    PathModel &m = *m_model;
    drawBackgroundAtZoom();
    const int last
        = std::min({ pb.index(), pb.lastIndex(), static_cast<int>(m.points.size()) - 1 });
    for (int i = 0; i <= last; ++i) {
        const MappedPoint p = mapPathPoint(m.view, m.points.x[static_cast<std::size_t>(i)],
            m.points.y[static_cast<std::size_t>(i)]);
        if (i == 0)
            gs.plotDC.MoveTo(p.bx, p.by);
        else
            gs.plotDC.LineTo(p.bx, p.by);
    }
    m.view.reanchor = true;
}

void PathDiagram::zoom(int steps)
{
    PathModel &m = *m_model;
    MapView &v = m.view;
    // Teaching points are entered and corrected at full size only.
    const bool teaching = m.source == PathSource::Teaching || m.source == PathSource::Correcting;
    const int zoomIndex = v.zoomIndex + steps;
    if (!pb.ready() || zoomIndex < 0 || zoomIndex > kLastZoomIndex || teaching || !m_running)
        return;
    v.zoomIndex = zoomIndex;
    redrawAtZoom();
    ui.setZoomText(tx("PathView", kZoomLabels[static_cast<std::size_t>(v.zoomIndex)]));
    // The view's lower-left corner stays on the same background point.
    const int h = v.mapHeight;
    if (steps < 0) {
        if (v.srcX != 0)
            v.srcX = 2 * v.srcX;
        v.srcY = 2 * v.srcY + kPictureHeight - h;
    } else {
        if (v.srcX != 0)
            v.srcX = truncToInt(v.srcX * 0.5);
        v.srcY = truncToInt(h - ((h - kPictureHeight - v.srcY) * 0.5 + kPictureHeight));
    }
    showView();
}

// Scrolling moves over a named background only, within the zoomed background's edges, and not
// where the walk's next tick would take the move back.
bool PathDiagram::scrollRefused(ScrollDirection direction)
{
    return beyondEdge(direction) || walkerTakesBack(direction);
}

bool PathDiagram::beyondEdge(ScrollDirection direction) const
{
    const MapView &v = m_model->view;
    if (!m_setup.backgroundGiven || !m_running)
        return true;
    const double z = zoomFactor(v.zoomIndex);
    switch (direction) {
    case ScrollDirection::Down:
        return v.srcY + kPictureHeight >= v.mapHeight;
    case ScrollDirection::Up:
        return v.srcY <= v.mapHeight - v.mapHeight * z;
    case ScrollDirection::Right:
        return v.srcX + kPictureWidth >= v.mapWidth * z;
    case ScrollDirection::Left:
        return v.srcX <= 1;
    }
    return true;
}

void PathDiagram::showScrollArrows()
{
    if (!m_running) {
        ui.enableScrollArrows(true, true, true, true);
        return;
    }
    ui.enableScrollArrows(!scrollRefused(ScrollDirection::Up),
        !scrollRefused(ScrollDirection::Down), !scrollRefused(ScrollDirection::Left),
        !scrollRefused(ScrollDirection::Right));
}

// While a walk is shown, playing or paused, every tick scrolls the view back until the walker
// stands 50 pixels inside its edges: a move that brings the walker nearer is taken back at once.
bool PathDiagram::walkerTakesBack(ScrollDirection direction)
{
    PathModel &m = *m_model;
    const bool followed = m.source == PathSource::DataFile && (pb.playing() || pb.held());
    if (!followed || pb.index() <= 0 || !m.points.holds(pb.index()))
        return false;
    const MapView kept = m.view;
    moveView(direction);
    const auto at = static_cast<std::size_t>(pb.index());
    const MappedPoint p = mapPathPoint(m.view, m.points.x[at], m.points.y[at]);
    const MapView moved = m.view;
    scrollToEdge(p.px, p.py);
    const bool takenBack = m.view.srcX != moved.srcX || m.view.srcY != moved.srcY;
    m.view = kept;
    return takenBack;
}

// A refused move draws nothing.
void PathDiagram::scroll(ScrollDirection direction)
{
    if (scrollRefused(direction))
        return;
    moveView(direction);
    showView();
}

// The view one arrow's step further, within the zoomed background's edges.
void PathDiagram::moveView(ScrollDirection direction)
{
    MapView &v = m_model->view;
    const double z = zoomFactor(v.zoomIndex);
    switch (direction) {
    case ScrollDirection::Down:
        v.srcY = std::min(v.srcY + kScrollStep, v.mapHeight - kPictureHeight);
        break;
    case ScrollDirection::Up: {
        const double top = v.mapHeight - v.mapHeight * z;
        v.srcY -= kScrollStep;
        if (v.srcY < top)
            v.srcY = truncToInt(top);
        break;
    }
    case ScrollDirection::Right: {
        const double width = v.mapWidth * z;
        v.srcX += kScrollStep;
        if (v.srcX + kPictureWidth > width)
            v.srcX = truncToInt(width - kPictureWidth);
        break;
    }
    case ScrollDirection::Left:
        v.srcX = std::max(v.srcX - kScrollStep, 0);
        break;
    }
}

// Where the view starts: centred on the point where the zoomed background allows, else as near
// to that as its edges allow, so that the point is in view at every zoom.
void PathDiagram::reanchor(const MappedPoint &p)
{
    MapView &v = m_model->view;
    const double z = zoomFactor(v.zoomIndex);
    // The zoomed background lies from column 0 to W·z and from row H − H·z to row H.
    const int right = std::max(truncToInt(v.mapWidth * z) - kPictureWidth, 0);
    const int bottom = v.mapHeight - kPictureHeight;
    const int top = std::min(truncToInt(v.mapHeight - v.mapHeight * z), bottom);
    v.srcX = std::clamp(p.bx - kPictureWidth / 2, 0, right);
    v.srcY = std::clamp(p.by - kPictureHeight / 2, std::min(std::max(top, 0), bottom), bottom);
    v.dstY = 0;
}

// Steps of 50 pixels towards a point within 50 pixels of an edge of the view.
void PathDiagram::scrollToEdge(int px, int py)
{
    MapView &v = m_model->view;
    const double z = zoomFactor(v.zoomIndex);
    if (px < kEdgeMargin && v.srcX != 0)
        v.srcX = std::max(v.srcX - kEdgeStep, 0);
    if (px > kPictureWidth - kEdgeMargin) {
        const double m = v.mapWidth * z - kPictureWidth;
        if (v.srcX < m) {
            v.srcX += kEdgeStep;
            if (v.srcX > m)
                v.srcX = truncToInt(m);
        }
    }
    // A background lower than the view rests on the view's bottom edge (a negative offset):
    // there is nothing above it to scroll to.
    if (py < kEdgeMargin && v.srcY > 0)
        v.srcY = std::max(v.srcY - kEdgeStep, 0);
    if (py > kPictureHeight - kEdgeMargin) {
        const int m = v.mapHeight - kPictureHeight;
        if (v.srcY < m)
            v.srcY = std::min(v.srcY + kEdgeStep, m);
    }
}
