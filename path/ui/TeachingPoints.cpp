// Teaching points: the crosshair and position under the mouse, points added by clicks with their
// rings, and the correction mode that picks a point and moves it.

#include "data/NumberText.h"
#include "mainwnd/CMainDlg.h"
#include "path/core/PointMapping.h"
#include "path/core/TeachingRoute.h"
#include "path/ui/PathView.h"
#include "res/ResourceIds.h"

#include <cmath>

namespace {

constexpr int kSourceTeaching = 1;
constexpr int kSourceCorrecting = 2;
constexpr double kMinSpacing = 3.0;
constexpr double kPickReach = 3.0;
constexpr const char *kTooClose = "教示ﾎﾟｲﾝﾄの間隔が十分でない。";

// Where a click lands: its column and row in plotDC, and the data coordinates stored for it.
struct Place
{
    int column = 0;
    int row = 0;
    DataPoint data;
};

Place placeOf(const RunState &rs, POINT point)
{
    Place p;
    p.column = point.x - rs.canvasRect.left + rs.viewSrcX;
    p.row = point.y - rs.canvasRect.top + rs.viewSrcY;
    p.data = dataFromBackground(rs, p.column, rs.backgroundHeight - p.row);
    return p;
}

double distance(double x0, double y0, double x1, double y1) { return std::hypot(x1 - x0, y1 - y0); }

bool tooCloseTo(const RunState &rs, int k, const DataPoint &p)
{
    const auto at = static_cast<std::size_t>(k);
    return distance(rs.teachX[at], rs.teachY[at], p.x, p.y) < kMinSpacing;
}

// A 7 × 7 ring around the plot pixel (column, row).
void drawRing(GdiState &gs, CPen &pen, int column, int row)
{
    CPen *previous = gs.plotDC.SelectObject(&pen);
    gs.plotDC.Arc(column - 3, row - 3, column + 4, row + 4, column - 3, row, column - 3, row);
    gs.plotDC.SelectObject(previous);
}

// The clean background over the rings (and any trail), then every ring again from the stored
// points; the picked one red when there is one.
void redrawRings(const RunState &rs, GdiState &gs, int picked)
{
    gs.plotDC.BitBlt(0, 0, rs.backgroundWidth, rs.backgroundHeight, &gs.zoomDC, 0, 0, SRCCOPY);
    for (int k = 0; k < rs.teachCount; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const MappedPoint p = mapPathPoint(rs, rs.teachX[at], rs.teachY[at]);
        drawRing(gs, k == picked ? gs.penRed2 : gs.penTeal2, p.bx, p.by);
    }
    showPathView(rs, gs);
}

void addPoint(RunState &rs, GdiState &gs, const Place &place)
{
    const int n = rs.teachCount;
    if (n > 0 && tooCloseTo(rs, n - 1, place.data)) {
        AfxMessageBox(kTooClose);
        return;
    }
    // Refused before anything is stored: the route through the points must fit its arrays.
    if (!teachingRouteFits(n + 1, rs.divisionCount, rs.curveInterpolation)) {
        AfxMessageBox(std::string(teachingCapacityMessage(n + 1, rs.curveInterpolation)));
        return;
    }
    const auto at = static_cast<std::size_t>(n);
    rs.teachX[at] = place.data.x;
    rs.teachY[at] = place.data.y;
    rs.mouseX = place.column;
    rs.mouseY = place.row;
    rs.teachCount = n + 1;
    rs.splinePointCount = rs.splineBasisCount = rs.splineSystemSize = rs.teachCount;
    rs.splineOrder = rs.splineDegree + 1;
    rs.splineKnotCount = rs.splineOrder + rs.teachCount;
    rs.outputPointCount = (rs.teachCount - 1) * rs.divisionCount + 1;
    if (rs.teachCount > 1)
        rs.dataReady = true;
    drawRing(gs, gs.penTeal2, place.column, place.row);
    showPathView(rs, gs);
}

void correctPoint(RunState &rs, GdiState &gs, const Place &place)
{
    if (!rs.teachPointPicked) {
        for (int k = 0; k < rs.teachCount; ++k) {
            const auto at = static_cast<std::size_t>(k);
            if (std::fabs(rs.teachX[at] - place.data.x) < kPickReach
                && std::fabs(rs.teachY[at] - place.data.y) < kPickReach) {
                rs.teachSelectedIndex = k;
                rs.teachPointPicked = true;
                redrawRings(rs, gs, k);
                return;
            }
        }
        return;
    }
    const int k = rs.teachSelectedIndex;
    if (k < 0 || k >= rs.teachCount) {
        rs.teachPointPicked = false;
        return;
    }
    // Only the neighbours in the route: the point is moved, not added.
    if ((k > 0 && tooCloseTo(rs, k - 1, place.data))
        || (k < rs.teachCount - 1 && tooCloseTo(rs, k + 1, place.data))) {
        AfxMessageBox(kTooClose);
        return;
    }
    const auto at = static_cast<std::size_t>(k);
    rs.teachX[at] = place.data.x;
    rs.teachY[at] = place.data.y;
    rs.mouseX = place.column;
    rs.mouseY = place.row;
    redrawRings(rs, gs, -1);
    rs.teachPointPicked = false;
}

} // namespace

void CMainDlg::OnMouseMove(UINT, POINT point)
{
    rs.mouseX = point.x;
    rs.mouseY = point.y;
    const RunState::Rect &r = rs.canvasRect;
    // Exactly the pixels the view shows: its first row counts, the row below it does not.
    rs.mouseInCanvas = r.left <= point.x && point.x < r.left + rs.viewWidth && r.top <= point.y
        && point.y < r.top + rs.viewHeight;
    const bool crosshair = rs.mouseInCanvas && rs.pathRunning
        && (rs.sourceMode == kSourceTeaching
            || (rs.sourceMode == kSourceCorrecting && rs.teachPointPicked));
    if (crosshair && gs.canvasDC) {
        CDC &overlay = gs.overlayDC;
        overlay.SelectObject(&gs.overlayLayer);
        overlay.FillSolidRect(QRect(0, 0, rs.viewWidth, rs.viewHeight), RGB(255, 255, 255));
        overlay.BitBlt(
            0, 0, rs.viewWidth, rs.viewHeight, &gs.plotDC, rs.viewSrcX, rs.viewSrcY, SRCCOPY);
        CPen *previous = overlay.SelectObject(&gs.penGreen2);
        const int x = point.x - r.left, y = point.y - r.top;
        overlay.MoveTo(x, 0);
        overlay.LineTo(x, rs.viewHeight);
        overlay.MoveTo(0, y);
        overlay.LineTo(rs.viewWidth, y);
        overlay.SelectObject(previous);
        gs.canvasDC->BitBlt(0, 0, rs.viewWidth, rs.viewHeight, &overlay, 0, 0, SRCCOPY);
        // The data coordinates a click here would store.
        const Place place = placeOf(rs, point);
        m_editX.SetWindowText(formatFixed(place.data.x, 2));
        m_editY.SetWindowText(formatFixed(place.data.y, 2));
    }
    Default();
}

void CMainDlg::OnLButtonDown(UINT, POINT point)
{
    rs.mouseX = point.x;
    rs.mouseY = point.y;
    if (rs.mouseInCanvas && rs.pathRunning && rs.backgroundLoaded) {
        const Place place = placeOf(rs, point);
        if (rs.sourceMode == kSourceTeaching)
            addPoint(rs, gs, place);
        else if (rs.sourceMode == kSourceCorrecting)
            correctPoint(rs, gs, place);
    }
    Default();
}

void CMainDlg::OnTeachCorrection()
{
    if (!rs.dataReady)
        return;
    if (rs.sourceMode == kSourceTeaching) {
        setButtonFace(gs.teachCorrectionButton, gs.teachCorrectionButtonRect, IDB_TEACH_ACTIVE);
        rs.sourceMode = kSourceCorrecting;
    } else if (rs.sourceMode == kSourceCorrecting) {
        setButtonFace(gs.teachCorrectionButton, gs.teachCorrectionButtonRect, IDB_TEACH_IDLE);
        rs.sourceMode = kSourceTeaching;
    }
}

bool CMainDlg::routeTeachingPoints()
{
    std::string fileError;
    const TeachingRouteResult result = buildTeachingRoute(
        rs, [](int ms) { Sleep(static_cast<DWORD>(ms)); }, &fileError);
    switch (result) {
    case TeachingRouteResult::TooFewPoints:
        AfxMessageBox("教示ポイントを2点以上指定してから再生してください。");
        return false;
    case TeachingRouteResult::TooManyPoints:
        AfxMessageBox(std::string(teachingCapacityMessage(rs.teachCount, rs.curveInterpolation)));
        return false;
    case TeachingRouteResult::BuiltFileNotWritten:
        AfxMessageBox(
            "教示ポイントの保存先ファイルに書き込めませんでした。経路はこのまま再生します。\n"
            + rs.dataFilePath + "\n(" + fileError + ")");
        break;
    case TeachingRouteResult::Built:
        break;
    }
    if (rs.tickPeriodMs < 1) {
        // The move time divided by the divisions is below what a clock can run at.
        AfxMessageBox("教示ポイント間の移動速度を分割数で割った間隔が 1 msec "
                      "未満です。1 msec 間隔で再生します。");
        rs.tickPeriodMs = 1;
    }
    return true;
}
