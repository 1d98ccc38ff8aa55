// The taught points kept apart from playing: a points file saved and opened again to go on
// teaching, and the route file written without playing it.

#include "data/AtomicFile.h"
#include "data/SetupFile.h"
#include "data/Translate.h"
#include "mainwnd/DataFileMessage.h"
#include "mainwnd/SaveFailedMessage.h"
#include "path/core/TeachingPointsFile.h"
#include "path/core/TeachingRoute.h"
#include "path/ui/PathDiagram.h"
#include "platform/CFileDialog.h"

#include <memory>

namespace {

constexpr const char *kPointsFilter = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||";

} // namespace

RouteSettings PathDiagram::routeSettings() const
{
    RouteSettings settings = m_setup.route;
    settings.filePath = m_setup.values.dataFilePath;
    return settings;
}

bool PathDiagram::savePoints()
{
    if (!teachingNow())
        return false;
    PathModel &m = *m_model;
    if (m.teaching.count == 0) {
        AfxMessageBox(tx("Teaching", "保存する教示ポイントがありません。"));
        return true;
    }
    CFileDialog dialog(
        FALSE, ".csv", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kPointsFilter);
    dialog.SetInitialDir(folderOf(m_setup.values.dataFilePath));
    if (dialog.DoModal() != IDOK)
        return true;
    std::string path = dialog.GetPathName();
    if (!path.ends_with(".csv"))
        path += ".csv";
    const FileWriteResult written
        = writeFileAtomically(path, teachingPointsText(taughtList(m.teaching)));
    if (written)
        m.pointsSaved = true;
    else
        AfxMessageBox(saveFailedMessage(path, written));
    return true;
}

bool PathDiagram::openPoints()
{
    if (!teachingNow())
        return false;
    CFileDialog dialog(TRUE, ".csv", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kPointsFilter);
    dialog.SetInitialDir(folderOf(m_setup.values.dataFilePath));
    if (dialog.DoModal() != IDOK)
        return true;
    DataColumns columns;
    columns.path = dialog.GetPathName();
    columns.useY = true;
    columns.rowLimit = kTeachingCapacity;
    auto read = std::make_unique<DataSeries>();
    // What kept the file from giving points is told by the read.
    const int count = loadDataColumnsWithMessage(columns, *read, false);
    if (count <= 0)
        return true;
    const RouteSettings &route = m_setup.route;
    if (!teachingRouteFits(count, route.divisionCount, route.curve)) {
        AfxMessageBox(teachingCapacityMessage(count, route.curve));
        return true;
    }
    std::vector<TaughtPoint> list;
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i)
        list.push_back({ read->x[i], read->y[i] });
    // Opening replaces the points as one step: undo brings back the ones taught before.
    editTeaching(replaceAllEdit(m_model->teaching, std::move(list)));
    m_model->pointsSaved = true;
    return true;
}

bool PathDiagram::writeRoute()
{
    if (!teachingNow())
        return false;
    const PathModel &m = *m_model;
    const RouteSettings settings = routeSettings();
    // The route play would build, into arrays of its own: teaching goes on afterwards.
    auto route = std::make_unique<DataSeries>();
    auto spline = std::make_unique<SplineWork>();
    FileWriteResult fileError;
    switch (
        buildTeachingRoute(m.teaching, settings, *spline, m.view.zoomIndex, *route, &fileError)) {
    case TeachingRouteResult::Built:
        AfxMessageBox(tx("Teaching", "経路ファイルを書き出しました。") + "\n" + settings.filePath);
        break;
    case TeachingRouteResult::BuiltFileNotWritten:
        AfxMessageBox(saveFailedMessage(settings.filePath, fileError));
        break;
    case TeachingRouteResult::TooFewPoints:
        AfxMessageBox(
            tx("Teaching", "教示ポイントを2点以上指定してから経路ファイルを書き出してください。"));
        break;
    case TeachingRouteResult::TooManyPoints:
        AfxMessageBox(teachingCapacityMessage(m.teaching.count, settings.curve));
        break;
    }
    return true;
}
