// Zoom and the four scroll buttons of the path view.

#include "data/TruncToInt.h"
#include "mainwnd/CMainDlg.h"
#include "path/core/PointMapping.h"
#include "path/ui/PathView.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kSourceTeaching = 1;
constexpr int kScrollStep = 150;
constexpr std::array<const char *, 3> kZoomLabels { "等倍", "1/2倍", "1/4倍" };

double zoomOf(const RunState &rs)
{
    return rs.zoomFactors[static_cast<std::size_t>(std::clamp(rs.zoomIndex, 0, 2))];
}

// The trajectory so far drawn again at the new scale, through the point the tick draws next,
// over the background at that scale.
void redrawAtZoom(RunState &rs, GdiState &gs)
{
    drawBackgroundAtZoom(rs, gs);

    const int last = std::min({ rs.plotIndex, rs.lastIndex, kPointCapacity - 1 });
    for (int i = 0; i <= last; ++i) {
        const MappedPoint p = mapPathPoint(
            rs, rs.dataX[static_cast<std::size_t>(i)], rs.dataY[static_cast<std::size_t>(i)]);
        if (i == 0)
            gs.plotDC.MoveTo(p.bx, p.by);
        else
            gs.plotDC.LineTo(p.bx, p.by);
    }
    rs.viewReanchor = true;
}

} // namespace

void CMainDlg::OnZoomIn()
{
    if (!rs.dataReady || rs.zoomIndex <= 0 || rs.sourceMode == kSourceTeaching || !rs.pathRunning)
        return;
    rs.zoomIndex -= 1;
    redrawAtZoom(rs, gs);
    m_editZoom.SetWindowText(kZoomLabels[static_cast<std::size_t>(rs.zoomIndex)]);
    // The view's lower-left corner stays on the same background point.
    if (rs.viewSrcX != 0)
        rs.viewSrcX = 2 * rs.viewSrcX;
    rs.viewSrcY = 2 * rs.viewSrcY + rs.viewHeight - rs.backgroundHeight;
    showPathView(rs, gs);
}

void CMainDlg::OnZoomOut()
{
    if (!rs.dataReady || rs.zoomIndex >= 2 || rs.sourceMode == kSourceTeaching || !rs.pathRunning)
        return;
    rs.zoomIndex += 1;
    redrawAtZoom(rs, gs);
    m_editZoom.SetWindowText(kZoomLabels[static_cast<std::size_t>(rs.zoomIndex)]);
    const int h = rs.backgroundHeight;
    if (rs.viewSrcX != 0)
        rs.viewSrcX = truncToInt(rs.viewSrcX * 0.5);
    rs.viewSrcY = truncToInt(h - ((h - rs.viewHeight - rs.viewSrcY) * 0.5 + rs.viewHeight));
    showPathView(rs, gs);
}

// Scrolling moves over a named background only; a refused move draws nothing.
void CMainDlg::OnScrollDown()
{
    const int h = rs.backgroundHeight;
    if (!rs.backgroundGiven || !rs.pathRunning || rs.viewSrcY + rs.viewHeight >= h)
        return;
    rs.viewSrcY = std::min(rs.viewSrcY + kScrollStep, h - rs.viewHeight);
    showPathView(rs, gs);
}

void CMainDlg::OnScrollUp()
{
    const double top = rs.backgroundHeight - rs.backgroundHeight * zoomOf(rs);
    if (!rs.backgroundGiven || !rs.pathRunning || rs.viewSrcY <= top)
        return;
    rs.viewSrcY -= kScrollStep;
    if (rs.viewSrcY < top)
        rs.viewSrcY = truncToInt(top);
    showPathView(rs, gs);
}

void CMainDlg::OnScrollRight()
{
    const double width = rs.backgroundWidth * zoomOf(rs);
    if (!rs.backgroundGiven || !rs.pathRunning || rs.viewSrcX + rs.viewWidth >= width)
        return;
    rs.viewSrcX += kScrollStep;
    if (rs.viewSrcX + rs.viewWidth > width)
        rs.viewSrcX = truncToInt(width - rs.viewWidth);
    showPathView(rs, gs);
}

void CMainDlg::OnScrollLeft()
{
    if (!rs.backgroundGiven || !rs.pathRunning || rs.viewSrcX <= 1)
        return;
    rs.viewSrcX = std::max(rs.viewSrcX - kScrollStep, 0);
    showPathView(rs, gs);
}
