// The path diagram's run as values: started from a setup file and what the view adds (the
// renderer), and written back as one (the window's export).

#include "data/NumberText.h"
#include "mainwnd/DataFileMessage.h"
#include "path/core/PathSetupCheck.h"
#include "path/ui/BackgroundFile.h"
#include "path/ui/PathDiagram.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace {

std::string absolutePath(const std::string &path)
{
    return std::filesystem::absolute(path).string();
}

} // namespace

std::string PathDiagram::backgroundPath() const
{
    return m_setup.backgroundGiven
        ? m_setup.values.backgroundFilePath
        : (std::filesystem::path(m_startupDirectory) / "bitmap1.bmp").string();
}

StartResult PathDiagram::start(const RunRequest &run)
{
    const PathSetupStart setup = startPathSetup(run.setupFile, tryBackgroundFile);
    const std::string setupName = std::filesystem::path(run.setupFile).filename().string();
    StartResult result;
    for (const PathSetupMessage &told : setup.told)
        result.notes.push_back(told.text);
    if (!setup.accepted) {
        // What the dialog told, in order: the refusal and the reminder after it.
        result.refusal = setupName + ":";
        for (const std::string &text : std::exchange(result.notes, {}))
            result.refusal += (result.refusal.back() == ':' ? " " : "\n") + text;
        return result;
    }
    m_setup = setup.setup;
    if (const std::string failure = startRun(); !failure.empty())
        result.refusal = setupName + ": " + failure;
    else if (!pb.ready())
        result.refusal
            = noDataRefusal(m_setup.values.dataFilePath, run.setupFile, kPathDataStartRow);
    if (!result.refusal.empty()) {
        stop();
        return result;
    }
    // What the window showed beyond its setup: the taught points, then the zoom.
    if (!run.markedPoints.empty())
        markPoints(run.markedPoints);
    for (int i = 0; i < run.zoomIndex; ++i)
        zoom(+1);
    return result;
}

bool PathDiagram::exportable() const
{
    // A teaching run has its route only once it plays; then it is a data file like any other.
    return m_running && m_model->source == PathSource::DataFile && pb.ready();
}

std::optional<RunRequest> PathDiagram::currentRun(const std::string &setupFile) const
{
    // Every path made absolute, the renderer runs in another folder; a run without a background
    // of its own shows the default one, which the renderer would look for in its own folder.
    const PathModel &m = *m_model;
    PathSetupValues values = m_setup.values; // the tagged settings as the setup holds them
    values.backgroundFilePath = absolutePath(backgroundPath());
    values.originX = m.view.originX;
    values.originY = m.view.originY;
    values.characterFilePath
        = m_setup.characterGiven ? absolutePath(m_setup.values.characterFilePath) : std::string();
    values.character2FilePath
        = m_setup.character2Given ? absolutePath(m_setup.values.character2FilePath) : std::string();
    values.dataFilePath = absolutePath(m_setup.values.dataFilePath);
    if (!writePathSetupFile(setupFile, values))
        return std::nullopt;
    RunRequest run { setupFile, m.view.zoomIndex, {} };
    // The taught points stay marked on the map while their route plays.
    if (m_setup.source == PathSource::Teaching)
        for (int k = 0; k < m.teaching.count; ++k)
            run.markedPoints.push_back({ m.teaching.x[static_cast<std::size_t>(k)],
                m.teaching.y[static_cast<std::size_t>(k)] });
    return run;
}

void PathDiagram::markPoints(const std::vector<std::array<double, 2>> &points)
{
    PathModel &m = *m_model;
    m.teaching.count = static_cast<int>(std::min<std::size_t>(points.size(), kTeachingCapacity));
    for (int k = 0; k < m.teaching.count; ++k) {
        const auto at = static_cast<std::size_t>(k);
        m.teaching.x[at] = points[at][0];
        m.teaching.y[at] = points[at][1];
    }
    redrawRings(-1);
}
