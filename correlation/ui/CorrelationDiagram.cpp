#include "correlation/ui/CorrelationDiagram.h"

#include "correlation/core/CorrSetupCheck.h"
#include "correlation/core/FitFrame.h"
#include "correlation/ui/CCorrSetupDlg.h"
#include "correlation/ui/CorrelationDrawing.h"
#include "data/NumberText.h"
#include "data/PlaySchedule.h"
#include "data/Translate.h"
#include "mainwnd/CConfirmDlg.h"
#include "mainwnd/DataFileMessage.h"
#include "mainwnd/PictureSize.h"
#include "mainwnd/Playback.h"
#include "mainwnd/WindowControls.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr UINT kTimerCompose = 3; // shows the layers and the elapsed time

bool isCorrelationSetupLine(std::string_view line) { return line.starts_with(kCorrSetupMagic); }

std::unique_ptr<Diagram> createCorrelationDiagram(const DiagramContext &context)
{
    return std::make_unique<CorrelationDiagram>(context);
}

// The frame from the data's range: automatic, manual or fitted to the data.
void placeFrame(CorrelationModel &m, const CorrSetupValues &setup)
{
    widenFrameToData(m.frame, m.points);
    if (setup.fitFrame)
        fitFrameToData(m.frame, m.points);
    else
        computeFrame(m.frame, setup);
}

} // namespace

const DiagramDescriptor &correlationDiagramDescriptor()
{
    static const DiagramDescriptor descriptor {
        "correlation",
        ".kvs",
        isCorrelationSetupLine,
        { IDC_CORR_RUN, 39, 243, 29, 15, IDB_CORR_IDLE, IDB_CORR_ACTIVE, "MainWindow",
            TX_NOOP("MainWindow", "相関図実行/終了") },
        { "application/x-tracelet-correlation-setup",
            TX_NOOP("FileTypes", "Tracelet 相関図セットアップ"), "KVT_GRIDWALK_SETUP_SOUKAN" },
        false,
        createCorrelationDiagram,
    };
    return descriptor;
}

CorrelationDiagram::CorrelationDiagram(const DiagramContext &context)
    : pb(context.playback)
    , m_runButton(context.runButton)
    , gs(context.gdi)
    , ui(context.controls)
{
}

bool CorrelationDiagram::runOrStop(bool anotherRunning, const std::string &setupToLoad)
{
    if (!m_running && m_setup.done
        && !confirm(tx("CorrelationDiagram", "前回設定内容が存在します。修正しますか？")))
        m_setup.done = false;
    if (m_running) {
        stop();
        return false;
    }
    m_setup.fileToLoad = setupToLoad;
    const bool started = !anotherRunning && startFromDialog();
    m_setup.fileToLoad.clear();
    return started;
}

bool CorrelationDiagram::startFromDialog()
{
    CCorrSetupDlg setup(m_setup);
    if (setup.DoModal() != IDOK)
        return false;
    startRun();
    return true;
}

StartResult CorrelationDiagram::start(const RunRequest &run)
{
    const CorrSetupStart setup = startCorrSetup(run.setupFile);
    StartResult result;
    if (const CorrSetupMessage *refused = setup.refusal()) {
        result.refusal
            = std::filesystem::path(run.setupFile).filename().string() + ": " + refused->text;
        return result;
    }
    result.notes = setup.notes();
    m_setup = setup.setup;
    startRun();
    if (!pb.ready()) {
        result.refusal = noDataRefusal(
            m_setup.values.dataFilePath, run.setupFile, m_setup.values.dataStartRow);
        stop();
    }
    return result;
}

// The run of the accepted setup: its data read, the frame drawn, and without a plot speed every
// point at once.
void CorrelationDiagram::startRun()
{
    CorrelationModel &m = *m_model;
    ui.clearReadouts();
    m.runningSums = {}; // the points are read again
    int rowCount = 0;
    m.titles = {};
    if (m_setup.dataFileGiven) {
        DataColumns columns;
        columns.path = m_setup.values.dataFilePath;
        columns.startRow = m_setup.values.dataStartRow;
        columns.xColumn = m_setup.values.xColumn;
        columns.yColumn = m_setup.values.yColumn;
        columns.useY = true;
        columns.timeColumn = m_setup.values.time.column;
        columns.timeUnit = m_setup.values.time.unit;
        rowCount = loadDataColumnsWithMessage(columns, m.points, false);
        m.titles = m_setup.values.axisTitles
            ? readColumnHeadings(columns.path, columns.startRow, columns.xColumn, columns.yColumn)
            : ColumnHeadings {};
        if (rowCount > 0) {
            placeFrame(m, m_setup.values);
            ui.setSliderRows(rowCount);
        }
    }
    // A file without any data row shows the empty frame; nothing of an earlier run may play.
    pb.loadRun(
        rowCount > 0 ? m.points.lastIndex : -1, m_setup.values.plotSpeedMs, ClockAtRest::Stops);
    if (rowCount > 0 && !m.points.time.empty())
        pb.setSchedule(playTimesMs(m.points.time, m_setup.values.time.playSpeed));

    m_tickMarksIndex = -1;
    gs.plotDC.SelectObject(&gs.plotLayer);
    clearLayer(gs, gs.plotDC);
    gs.overlayDC.SelectObject(&gs.overlayLayer);
    clearLayer(gs, gs.overlayDC);
    m.readoutsShown = {};
    drawFrame(m.frame, gs);
    drawAxisTitles(m.titles, gs);

    // A plot speed below 1 (a setup file may hold one) means no plot speed: draw everything now.
    if (m_setup.values.plotSpeedMs <= 0 && rowCount > 0) {
        CPen *previous = gs.plotDC.SelectObject(&gs.penRed1);
        for (int i = 0; i <= m.points.lastIndex; ++i)
            drawPointCircle(gs.plotDC, toPixelX(m.frame, m.points.x[static_cast<std::size_t>(i)]),
                toPixelY(m.frame, m.points.y[static_cast<std::size_t>(i)]));
        gs.plotDC.SelectObject(previous);
        drawStatistics(m, gs, m.points.lastIndex, gs.overlayDC);
    }
    composeToCanvas(gs);

    m_running = true;
    ui.setTimer(kTimerCompose, 300);
    ui.showActive(m_runButton, true);
}

void CorrelationDiagram::stop()
{
    pb.endRun();
    ui.killTimer(kTimerCompose);
    CorrelationModel &m = *m_model;
    if (m.sliderMode) {
        ui.showActive(IDC_SLIDER_MODE, false);
        m.sliderMode = false;
    }
    m.points.clear();
    m_setup.dataFileGiven = false;
    gs.plotDC.SelectObject(&gs.plotLayer);
    clearLayer(gs, gs.plotDC);
    m_running = false;
    ui.showActive(m_runButton, false);
}

bool CorrelationDiagram::prepareToPlay()
{
    return pb.ready() && !m_model->sliderMode && m_setup.values.plotSpeedMs > 0;
}

void CorrelationDiagram::play(bool)
{
    m_tickMarksIndex = -1; // the slider may have drawn while paused
    gs.plotDC.SelectObject(&gs.plotLayer);
    // From the first point the plot starts on a clean layer.
    if (pb.index() == 0)
        clearLayer(gs, gs.plotDC);
}

void CorrelationDiagram::pause()
{
    if (pb.index() != 0)
        gs.plotDC.SelectObject(&gs.plotLayer);
}

void CorrelationDiagram::onTimer(UINT id)
{
    if (id != kTimerCompose)
        return;
    composeToCanvas(gs);
    if (!m_model->sliderMode && m_setup.values.plotSpeedMs > 0 && pb.playing())
        showElapsedTime(pb.index());
}

// Elapsed time counts plotted points, not wall-clock time; with logged times, the time of the
// point shown.
void CorrelationDiagram::showElapsedTime(int index)
{
    if (!m_model->points.time.empty()) {
        ui.editTime.SetWindowText(
            loggedTimeText(m_model->points, std::max(pb.shown(), 0), m_setup.values.time.unit));
        return;
    }
    ui.editTime.SetWindowText(formatFixed(
        static_cast<double>(static_cast<long long>(m_setup.values.plotSpeedMs) * index) * 0.001,
        2));
}

bool CorrelationDiagram::exportable() const { return m_running && pb.ready(); }

std::optional<RunRequest> CorrelationDiagram::currentRun(const std::string &setupFile) const
{
    // The data path made absolute: the renderer runs in another folder.
    CorrSetupValues values = m_setup.values;
    values.dataFilePath = std::filesystem::absolute(values.dataFilePath).string();
    if (!writeCorrSetupFile(setupFile, values))
        return std::nullopt;
    return RunRequest { setupFile, 0, {} };
}
