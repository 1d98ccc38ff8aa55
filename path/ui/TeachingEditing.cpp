// Teaching edits beyond clicking points and moving them: a point inserted on the route's nearest
// segment, a point deleted by its ring or as the picked one, a point typed in, and every change
// taken back and done again.

#include "data/NumberText.h"
#include "data/Translate.h"
#include "mainwnd/WindowControls.h"
#include "path/core/TeachingRoute.h"
#include "path/ui/CTeachPointDlg.h"
#include "path/ui/PathDiagram.h"
#include "platform/Platform.h"
#include "res/ControlIds.h"

#include <cmath>

namespace {

// In map pixels: the data units they stand for follow the map's scale.
constexpr double kMinSpacing = 3.0;
constexpr double kRingReach = 3.0; // a click this near a point, on both axes, is on its ring

bool tooClose(const TeachingPoints &points, int k, const DataPoint &p, double spacing)
{
    if (k < 0 || k >= points.count)
        return false;
    const auto at = static_cast<std::size_t>(k);
    return std::hypot(points.x[at] - p.x, points.y[at] - p.y) < spacing;
}

} // namespace

bool PathDiagram::teachingNow() const
{
    const PathModel &m = *m_model;
    return m.backgroundLoaded
        && (m.source == PathSource::Teaching || m.source == PathSource::Correcting);
}

bool PathDiagram::spacedFrom(const DataPoint &p, int before, int after)
{
    const TeachingPoints &points = m_model->teaching;
    const double spacing = kMinSpacing * m_model->view.unitsPerPixel;
    if (!tooClose(points, before, p, spacing) && !tooClose(points, after, p, spacing))
        return true;
    AfxMessageBox(tx("Teaching", "教示ﾎﾟｲﾝﾄの間隔が十分でない。"));
    return false;
}

bool PathDiagram::roomForOneMore()
{
    const int more = m_model->teaching.count + 1;
    const RouteSettings &route = m_setup.route;
    if (teachingRouteFits(more, route.divisionCount, route.curve))
        return true;
    AfxMessageBox(teachingCapacityMessage(more, route.curve));
    return false;
}

void PathDiagram::editTeaching(TeachingEdit edit)
{
    if (m_model->history.apply(m_model->teaching, std::move(edit)))
        teachingChanged();
}

void PathDiagram::teachingChanged()
{
    PathModel &m = *m_model;
    m.pointPicked = false;
    m.pointsSaved = false;
    // Correction works on a route: with fewer than two points, clicks add points again.
    if (m.source == PathSource::Correcting && m.teaching.count < 2) {
        ui.showActive(IDC_TEACH_CORRECTION, false);
        m.source = PathSource::Teaching;
    }
    redrawRings(-1);
}

bool PathDiagram::insertPoint(POINT point)
{
    if (!teachingNow())
        return false;
    const TeachingPoints &points = m_model->teaching;
    const DataPoint p = placeOf(point).data;
    const int at = insertionIndex(points, p.x, p.y);
    if (spacedFrom(p, at - 1, at) && roomForOneMore())
        editTeaching(insertEdit(at, { p.x, p.y }));
    return true;
}

bool PathDiagram::deletePoint(POINT point)
{
    if (!teachingNow())
        return false;
    const DataPoint p = placeOf(point).data;
    if (const int k
        = pointWithinReach(m_model->teaching, p.x, p.y, kRingReach * m_model->view.unitsPerPixel);
        k >= 0)
        editTeaching(deleteEdit(m_model->teaching, k));
    return true;
}

bool PathDiagram::deletePicked()
{
    PathModel &m = *m_model;
    if (!teachingNow())
        return false;
    if (m.pointPicked)
        editTeaching(deleteEdit(m.teaching, m.selectedPoint));
    return true;
}

bool PathDiagram::undoTeaching()
{
    if (!teachingNow())
        return false;
    if (m_model->history.undo(m_model->teaching))
        teachingChanged();
    return true;
}

bool PathDiagram::redoTeaching()
{
    if (!teachingNow())
        return false;
    if (m_model->history.redo(m_model->teaching))
        teachingChanged();
    return true;
}

bool PathDiagram::typePoint()
{
    if (!teachingNow())
        return false;
    PathModel &m = *m_model;
    const bool moving = m.source == PathSource::Correcting;
    if (moving && (!m.pointPicked || m.selectedPoint >= m.teaching.count)) {
        AfxMessageBox(tx("Teaching", "座標を入力する教示ポイントをクリックして選んでください。"));
        return true;
    }
    const MapView &v = m.view;
    const DataPoint low = dataFromBackground(v, 0, 0);
    const DataPoint high = dataFromBackground(v, v.mapWidth, v.mapHeight);
    const int k = moving ? m.selectedPoint : m.teaching.count;
    // A new point starts where the read-outs last showed the mouse.
    TaughtPoint p { parseDouble(ui.editX.GetWindowText()), parseDouble(ui.editY.GetWindowText()) };
    if (moving)
        p = { m.teaching.x[static_cast<std::size_t>(k)],
            m.teaching.y[static_cast<std::size_t>(k)] };
    CTeachPointDlg dialog(p, { low.x, low.y }, { high.x, high.y });
    if (dialog.DoModal() != IDOK)
        return true;
    const DataPoint typed { p[0], p[1] };
    if (moving && spacedFrom(typed, k - 1, k + 1))
        editTeaching(moveEdit(m.teaching, k, p));
    else if (!moving && spacedFrom(typed, k - 1, k) && roomForOneMore())
        editTeaching(addEdit(m.teaching, p));
    return true;
}
