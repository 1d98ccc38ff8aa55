#pragma once

// The correlation diagram: the points of two columns drawn one per tick in the square frame,
// with the regression and mean lines and their read-outs, or all at once without a plot speed;
// the slider marks one point and reads out its values.

#include "correlation/core/CorrSetupFile.h"
#include "correlation/core/CorrelationModel.h"
#include "mainwnd/DiagramRegistry.h"

#include <QRect>
#include <memory>

class CorrelationDiagram final : public Diagram, PointSlider
{
public:
    explicit CorrelationDiagram(const DiagramContext &context);

    bool running() const override { return m_running; }
    bool runOrStop(bool anotherRunning, const std::string &setupToLoad) override;
    void forgetSetup() override { m_setup.done = false; }
    bool prepareToPlay() override;
    void play(bool fromStart) override;
    void pause() override;
    TickOutcome tick() override;
    void onTimer(UINT id) override;
    DiagramCapabilities capabilities() override { return { .slider = this }; }

    StartResult start(const RunRequest &run) override;
    bool exportable() const override;
    std::optional<RunRequest> currentRun(const std::string &setupFile) const override;

    CorrSetup &setup() { return m_setup; }
    CorrelationModel &model() { return *m_model; }

private:
    void sliderMode() override;
    void sliderMoved() override;
    bool startFromDialog();
    void startRun();
    void stop();
    void showSliderPosition();
    void showElapsedTime(int index);
    void drawTick(int i, int px, int py);
    void drawUnseenTick(int i);

    Playback &pb;
    int m_runButton;
    GdiState &gs;
    WindowControls &ui;
    CorrSetup m_setup;
    std::unique_ptr<CorrelationModel> m_model = std::make_unique<CorrelationModel>();
    bool m_running = false;
    // The plot layer is the patch layer plus, within m_tickMarks, what the tick of point
    // m_tickMarksIndex drew on it; -1 when anything else has drawn on the layers since.
    QRect m_tickMarks;
    int m_tickMarksIndex = -1;
};

const DiagramDescriptor &correlationDiagramDescriptor();
