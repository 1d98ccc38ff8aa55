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

constexpr double kPickReach = 3.0; // map pixels

} // namespace

void PathDiagram::addPoint(const Place &place)
{
    PathModel &m = *m_model;
    const int n = m.teaching.count;
    // Refused before anything is stored: the route through the points must fit its arrays.
    if (!spacedFrom(place.data, n - 1, n) || !roomForOneMore())
        return;
    m.history.apply(m.teaching, addEdit(m.teaching, { place.data.x, place.data.y }));
    m.pointsSaved = false;
    drawRing(gs.penTeal2, place.column, place.row);
    showView();
}

void PathDiagram::correctPoint(const Place &place)
{
    PathModel &m = *m_model;
    TeachingPoints &points = m.teaching;
    if (!m.pointPicked) {
        const int k = pointWithinReach(
            points, place.data.x, place.data.y, kPickReach * m.view.unitsPerPixel);
        if (k >= 0) {
            m.selectedPoint = k;
            m.pointPicked = true;
            redrawRings(k);
        }
        return;
    }
    const int k = m.selectedPoint;
    if (k < 0 || k >= points.count) {
        m.pointPicked = false;
        return;
    }
    // Only the neighbours in the route: the point is moved, not added.
    if (!spacedFrom(place.data, k - 1, k + 1))
        return;
    editTeaching(moveEdit(points, k, { place.data.x, place.data.y }));
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
    // Taught points are kept only in a points file, or as the route built at play.
    const PathModel &m = *m_model;
    const bool unsaved = m.teaching.count > 0 && !m.pointsSaved
        && (m.source == PathSource::Teaching || m.source == PathSource::Correcting);
    return !unsaved
        || confirm(
            tx("Teaching", "教示ポイントはまだ保存されていません。保存せずに終了しますか？"));
}

bool PathDiagram::routeTeachingPoints()
{
    PathModel &m = *m_model;
    const RouteSettings settings = routeSettings();
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
