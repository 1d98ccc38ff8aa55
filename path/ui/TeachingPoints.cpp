// Teaching points: the crosshair and position under the mouse, points added by clicks with their
// rings, the correction mode that picks a point and moves it, and the route built at play.

#include "data/NumberText.h"
#include "data/SystemReason.h"
#include "data/Translate.h"
#include "mainwnd/CConfirmDlg.h"
#include "mainwnd/GdiState.h"
#include "mainwnd/PictureSize.h"
#include "mainwnd/Playback.h"
#include "mainwnd/WindowControls.h"
#include "path/core/TeachingRoute.h"
#include "path/ui/PathDiagram.h"
#include "platform/Platform.h"
#include "res/ControlIds.h"

#include <cmath>

namespace {

constexpr double kMinSpacing = 3.0;
constexpr double kPickReach = 3.0;
constexpr const char *kTooClose = TX_NOOP("Teaching", "教示ﾎﾟｲﾝﾄの間隔が十分でない。");

double distance(double x0, double y0, double x1, double y1) { return std::hypot(x1 - x0, y1 - y0); }

bool tooCloseTo(const TeachingPoints &points, int k, const DataPoint &p)
{
    const auto at = static_cast<std::size_t>(k);
    return distance(points.x[at], points.y[at], p.x, p.y) < kMinSpacing;
}

// A 7 × 7 ring around the plot pixel (column, row).
void drawRing(GdiState &gs, CPen &pen, int column, int row)
{
    CPen *previous = gs.plotDC.SelectObject(&pen);
    gs.plotDC.Arc(column - 3, row - 3, column + 4, row + 4, column - 3, row, column - 3, row);
    gs.plotDC.SelectObject(previous);
}

} // namespace

// Where a click lands: its column and row in plotDC, and the data coordinates stored for it.
struct PathDiagram::Place
{
    int column = 0;
    int row = 0;
    DataPoint data;
};

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
        drawRing(gs, k == picked ? gs.penRed2 : gs.penTeal2, p.bx, p.by);
    }
    showView();
}

void PathDiagram::addPoint(const Place &place)
{
    TeachingPoints &points = m_model->teaching;
    const int n = points.count;
    if (n > 0 && tooCloseTo(points, n - 1, place.data)) {
        AfxMessageBox(tx("Teaching", kTooClose));
        return;
    }
    // Refused before anything is stored: the route through the points must fit its arrays.
    const RouteSettings &route = m_setup.route;
    if (!teachingRouteFits(n + 1, route.divisionCount, route.curve)) {
        AfxMessageBox(std::string(teachingCapacityMessage(n + 1, route.curve)));
        return;
    }
    const auto at = static_cast<std::size_t>(n);
    points.x[at] = place.data.x;
    points.y[at] = place.data.y;
    points.count = n + 1;
    drawRing(gs, gs.penTeal2, place.column, place.row);
    showView();
}

void PathDiagram::correctPoint(const Place &place)
{
    PathModel &m = *m_model;
    TeachingPoints &points = m.teaching;
    if (!m.pointPicked) {
        for (int k = 0; k < points.count; ++k) {
            const auto at = static_cast<std::size_t>(k);
            if (std::fabs(points.x[at] - place.data.x) < kPickReach
                && std::fabs(points.y[at] - place.data.y) < kPickReach) {
                m.selectedPoint = k;
                m.pointPicked = true;
                redrawRings(k);
                return;
            }
        }
        return;
    }
    const int k = m.selectedPoint;
    if (k < 0 || k >= points.count) {
        m.pointPicked = false;
        return;
    }
    // Only the neighbours in the route: the point is moved, not added.
    if ((k > 0 && tooCloseTo(points, k - 1, place.data))
        || (k < points.count - 1 && tooCloseTo(points, k + 1, place.data))) {
        AfxMessageBox(tx("Teaching", kTooClose));
        return;
    }
    const auto at = static_cast<std::size_t>(k);
    points.x[at] = place.data.x;
    points.y[at] = place.data.y;
    redrawRings(-1);
    m.pointPicked = false;
}

void PathDiagram::mouseMoved(POINT point, bool inPicture)
{
    const PathModel &m = *m_model;
    const bool crosshair = inPicture
        && (m.source == PathSource::Teaching
            || (m.source == PathSource::Correcting && m.pointPicked));
    if (!crosshair || !gs.canvasDC)
        return;
    const RECT &r = ui.canvasRect;
    const MapView &v = m.view;
    CDC &overlay = gs.overlayDC;
    overlay.SelectObject(&gs.overlayLayer);
    overlay.FillSolidRect(QRect(0, 0, kPictureWidth, kPictureHeight), RGB(255, 255, 255));
    overlay.BitBlt(0, 0, kPictureWidth, kPictureHeight, &gs.plotDC, v.srcX, v.srcY, SRCCOPY);
    CPen *previous = overlay.SelectObject(&gs.penGreen2);
    const int x = point.x - r.left, y = point.y - r.top;
    overlay.MoveTo(x, 0);
    overlay.LineTo(x, kPictureHeight);
    overlay.MoveTo(0, y);
    overlay.LineTo(kPictureWidth, y);
    overlay.SelectObject(previous);
    gs.canvasDC->BitBlt(0, 0, kPictureWidth, kPictureHeight, &overlay, 0, 0, SRCCOPY);
    // The data coordinates a click here would store.
    const Place place = placeOf(point);
    ui.editX.SetWindowText(formatReadout(place.data.x, 2));
    ui.editY.SetWindowText(formatReadout(place.data.y, 2));
}

void PathDiagram::clicked(POINT point)
{
    const PathModel &m = *m_model;
    if (!m.backgroundLoaded)
        return;
    if (m.source == PathSource::Teaching)
        addPoint(placeOf(point));
    else if (m.source == PathSource::Correcting)
        correctPoint(placeOf(point));
}

void PathDiagram::teachCorrection()
{
    PathModel &m = *m_model;
    // Points are corrected once two of them make a route.
    if (m.teaching.count < 2)
        return;
    if (m.source == PathSource::Teaching) {
        ui.showActive(IDC_TEACH_CORRECTION, true);
        m.source = PathSource::Correcting;
    } else if (m.source == PathSource::Correcting) {
        ui.showActive(IDC_TEACH_CORRECTION, false);
        m.source = PathSource::Teaching;
    }
}

bool PathDiagram::mayClose()
{
    // Taught points reach their route file only when the route is built at play.
    const PathModel &m = *m_model;
    const bool unsaved = m.teaching.count > 0
        && (m.source == PathSource::Teaching || m.source == PathSource::Correcting);
    return !unsaved
        || confirm(
            tx("Teaching", "教示ポイントはまだ保存されていません。保存せずに終了しますか？"));
}

bool PathDiagram::routeTeachingPoints()
{
    PathModel &m = *m_model;
    RouteSettings settings = m_setup.route;
    settings.filePath = m_setup.values.dataFilePath;
    FileWriteResult fileError;
    const TeachingRouteResult result = buildTeachingRoute(
        m.teaching, settings, m.spline, m.view.zoomIndex, m.points, &fileError);
    if (result == TeachingRouteResult::TooFewPoints) {
        AfxMessageBox(tx("Teaching", "教示ポイントを2点以上指定してから再生してください。"));
        return false;
    }
    if (result == TeachingRouteResult::TooManyPoints) {
        AfxMessageBox(std::string(teachingCapacityMessage(m.teaching.count, settings.curve)));
        return false;
    }
    // The route plays like a data file from its first point, at the period its file records.
    m.source = PathSource::DataFile;
    pb.loadRun(m.points.lastIndex, playedPeriodMs(settings), ClockAtRest::RunsOn);
    if (result == TeachingRouteResult::BuiltFileNotWritten)
        AfxMessageBox(
            tx("Teaching",
                "教示ポイントの保存先ファイルに書き込めませんでした。経路はこのまま再生します。")
            + "\n" + settings.filePath + "\n(" + writeFailureReason(fileError) + ")");
    if (settings.plotPeriodMs < 1)
        // The move time divided by the divisions is below what a clock can run at.
        AfxMessageBox(tx("Teaching",
            "教示ポイント間の移動速度を分割数で割った間隔が 1 msec "
            "未満です。1 msec 間隔で再生します。"));
    return true;
}
