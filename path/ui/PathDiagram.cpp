// The path diagram's run command (setup, data, background and first view), the stop that puts
// the whole run back to its start, play and pause, its window timers and its export.

#include "path/ui/PathDiagram.h"

#include "data/AtomicFile.h"
#include "data/NumberText.h"
#include "data/PlaySchedule.h"
#include "data/Translate.h"
#include "data/TruncToInt.h"
#include "mainwnd/CConfirmDlg.h"
#include "mainwnd/DataFileMessage.h"
#include "mainwnd/GdiState.h"
#include "mainwnd/PictureSize.h"
#include "mainwnd/Playback.h"
#include "mainwnd/WindowControls.h"
#include "path/ui/BackgroundFile.h"
#include "path/ui/CPathSetupDlg.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace {

// The start-up period, used when a data file gives none that a clock can run at.
constexpr int kDefaultTickPeriodMs = 350;

constexpr UINT kTimerView = 1; // refreshes the view until play starts
constexpr UINT kTimerBlink = 2; // alternates the two characters and shows the elapsed time

bool isPathSetupLine(std::string_view line) { return line == kPathSetupMagic; }

std::unique_ptr<Diagram> createPathDiagram(const DiagramContext &context)
{
    return std::make_unique<PathDiagram>(context);
}

} // namespace

const DiagramDescriptor &pathDiagramDescriptor()
{
    static const DiagramDescriptor descriptor {
        "path",
        ".kvt",
        isPathSetupLine,
        { IDC_PATH_RUN, 6, 243, 29, 15, IDB_PATH_IDLE, IDB_PATH_ACTIVE, "MainWindow",
            TX_NOOP("MainWindow", "経路図実行/終了") },
        // The path's first line begins the correlation's too: the extension alone tells it.
        { "application/x-tracelet-path-setup", TX_NOOP("FileTypes", "Tracelet 経路図セットアップ"),
            "" },
        true,
        createPathDiagram,
    };
    return descriptor;
}

PathDiagram::PathDiagram(const DiagramContext &context)
    : pb(context.playback)
    , m_runButton(context.runButton)
    , gs(context.gdi)
    , ui(context.controls)
    , m_startupDirectory(std::filesystem::current_path().string())
{
}

DiagramCapabilities PathDiagram::capabilities()
{
    return {
        .map = this, .pointer = this, .slider = this, .teaching = this, .teachingFiles = this
    };
}

bool PathDiagram::runOrStop(bool anotherRunning, const std::string &setupToLoad)
{
    // The correlation diagram owns the clocks, the arrays and the picture while it runs.
    if (anotherRunning)
        return false;
    if (m_running) {
        stop();
        return false;
    }
    if (m_setup.done && !confirm(tx("PathDiagram", "前回設定内容が存在します。修正しますか？")))
        m_setup.done = false;
    m_setup.fileToLoad = setupToLoad;
    gs.plotDC.SelectObject(&gs.penMagenta2);
    CPathSetupDlg setup(m_setup);
    const bool accepted = setup.DoModal() == IDOK;
    m_setup.fileToLoad.clear();
    if (accepted)
        if (const std::string failure = startRun(); !failure.empty())
            AfxMessageBox(failure);
    // A failed background, or a cancelled setup before any background, ends in a clean state.
    if (!m_model->backgroundLoaded)
        stop();
    return accepted;
}

// The run of the accepted setup: its data, the background and the first view. Why the
// background cannot be shown, in words; empty when it is shown.
std::string PathDiagram::startRun()
{
    PathModel &m = *m_model;
    m.source = m_setup.source;
    m.view.originX = m_setup.values.originX;
    m.view.originY = m_setup.values.originY;
    m.view.unitsPerPixel = m_setup.values.mapUnitsPerPixel;
    ui.clearReadouts();
    const bool fromDataFile = m_setup.dataFileGiven && m.source == PathSource::DataFile;
    // A data file without rows plays nothing, also not what an earlier run left in the arrays.
    if (fromDataFile) {
        DataColumns columns;
        columns.path = m_setup.values.dataFilePath;
        columns.startRow = kPathDataStartRow;
        columns.useY = columns.useDirection = columns.useInterpSpeed = columns.usePlotSpeed = true;
        columns.timeColumn = m_setup.values.time.column;
        columns.timeUnit = m_setup.values.time.unit;
        const int rows = loadDataColumnsWithMessage(columns, m.points, true);
        int periodMs = pb.periodMs();
        if (rows > 0) {
            periodMs = truncToInt(m.points.firstRowPlotSpeed);
            // With logged times the plot speed only paces the resting walker: nothing to tell.
            if (periodMs <= 0 && m.points.time.empty())
                AfxMessageBox(tx("PathDiagram",
                    "データファイル1行目のＰＬＯＴ速度（5列目）が正の数ではありません。"
                    "350 msec 間隔で再生します。"));
            if (periodMs <= 0)
                periodMs = kDefaultTickPeriodMs;
        }
        pb.loadRun(rows > 0 ? m.points.lastIndex : -1, periodMs, ClockAtRest::RunsOn);
        if (rows > 0)
            ui.setSliderRows(rows);
        if (rows > 0 && !m.points.time.empty())
            pb.setSchedule(playTimesMs(m.points.time, m_setup.values.time.playSpeed));
    }

    ui.showActive(m_runButton, true);
    m_running = true;
    if (m_setup.character2Given)
        m.blink = true;
    // A character file OK told about is not told again while it stays as it was.
    m_reportedCharacters = std::exchange(m_setup.charactersTold, {});
    const std::string failure = loadBackground();
    if (failure.empty())
        ui.setTimer(kTimerView, 200);
    if (m.source == PathSource::Teaching)
        m.teaching.count = 0;
    return failure;
}

// The background file, or the default one in the start-up folder, into backgroundDC, and a
// working copy of it into plotDC and zoomDC. Why it cannot be loaded or copied, in words; empty
// when it is loaded.
std::string PathDiagram::loadBackground()
{
    PathModel &m = *m_model;
    const std::string path = backgroundPath();
    BITMAP info;
    std::string reason = loadBackgroundFile(path, gs.backgroundHandle);
    const bool loaded = reason.empty() && gs.backgroundHandle.GetBitmap(&info)
        && gs.plotBitmap.CreateBitmapIndirect(info) && gs.zoomBitmap.CreateBitmapIndirect(info);
    m.backgroundLoaded = loaded;
    if (!loaded) {
        if (reason.empty())
            reason = tx("PathDiagram", "作業用の画像を用意できません");
        return backgroundFailedMessage(path, reason, m_setup.backgroundGiven);
    }
    m.view.mapWidth = info.bmWidth;
    m.view.mapHeight = info.bmHeight;
    gs.backgroundDC.SelectObject(&gs.backgroundHandle);
    gs.plotDC.SelectObject(&gs.plotBitmap);
    gs.plotDC.BitBlt(0, 0, info.bmWidth, info.bmHeight, &gs.backgroundDC, 0, 0, SRCCOPY);
    gs.zoomDC.SelectObject(&gs.zoomBitmap);
    gs.zoomDC.BitBlt(0, 0, info.bmWidth, info.bmHeight, &gs.backgroundDC, 0, 0, SRCCOPY);

    // Lower-left corner of the background, its bottom edge on the view's bottom edge; a
    // background lower than the view leaves white above it.
    m.view.srcX = 0;
    m.view.dstX = 0;
    m.view.srcY = m.view.mapHeight - kPictureHeight;
    m.view.dstY = 0;
    showView();
    gs.composeDC.SelectObject(&gs.canvasBitmap);
    showView(gs.composeDC);
    return {};
}

void PathDiagram::stop()
{
    leaveSliderMode();
    pb.endRun();
    ui.killTimer(kTimerView);
    ui.killTimer(kTimerBlink);
    ui.showActive(m_runButton, false);
    if (m_model->source == PathSource::Correcting)
        ui.showActive(IDC_TEACH_CORRECTION, false);
    m_running = false;

    gs.plotBitmap.DeleteObject();
    gs.zoomBitmap.DeleteObject();
    m_model = std::make_unique<PathModel>();
    m_setup.backgroundGiven = m_setup.characterGiven = m_setup.character2Given
        = m_setup.dataFileGiven = false;
    ui.setZoomText(tx("PathView", "等倍"));
    showScrollArrows();
}

bool PathDiagram::prepareToPlay()
{
    const PathModel &m = *m_model;
    // Taught points can play once there are two of them.
    const bool teaching = m.source == PathSource::Teaching;
    const bool ready = teaching ? m.teaching.count > 1 : pb.ready();
    if (teaching && !ready) {
        AfxMessageBox(tx("PathDiagram", "教示ポイントを2点以上指定してから再生してください。"));
        return false;
    }
    if (!ready || m.source == PathSource::Correcting || !m.backgroundLoaded)
        return false;
    // Play goes on from the row the slider marked.
    leaveSliderMode();
    // Taught points become the route first; a route that cannot be built starts nothing.
    return m.source != PathSource::Teaching || routeTeachingPoints();
}

void PathDiagram::play(bool fromStart)
{
    gs.plotDC.SelectObject(&gs.penMagenta2);
    // A clean background at the zoom in use: the trajectory starts again from point 0.
    if (fromStart)
        drawBackgroundAtZoom();
    ui.killTimer(kTimerView);
    // The same clock shows the time, with one character as with two.
    ui.setTimer(kTimerBlink, 300);
}

void PathDiagram::onTimer(UINT id)
{
    PathModel &m = *m_model;
    switch (id) {
    case kTimerView:
        // The default background is placed like a named one, so one view serves both.
        showView();
        // In teaching mode the canvas is refreshed once; the mouse handlers draw from then on.
        if (m.source == PathSource::Teaching)
            ui.killTimer(kTimerView);
        break;
    case kTimerBlink:
        if (m.blink)
            m.characterFrame = m.characterFrame == 1 ? 2 : 1;
        if (m_running && !pb.schedule().empty()) {
            // The point the position read-outs show.
            ui.editTime.SetWindowText(loggedTimeText(
                m.points, std::min(pb.index(), pb.lastIndex()), m_setup.values.time.unit));
        } else if (m_running && pb.periodMs() > 0) {
            // Elapsed time counts plotted points, not wall-clock time.
            const long long ms = static_cast<long long>(pb.periodMs()) * pb.index();
            ui.editTime.SetWindowText(formatFixed(static_cast<double>(ms) * 0.001, 2));
        }
        break;
    default:
        break;
    }
}
