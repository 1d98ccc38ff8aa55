// The path diagram's scrub slider: while nothing plays, the walker stands at the row the slider
// marks, its trail drawn up to there and the view on it; play goes on from that row.

#include "mainwnd/Playback.h"
#include "mainwnd/WindowControls.h"
#include "path/ui/PathDiagram.h"
#include "res/ControlIds.h"

#include <algorithm>

void PathDiagram::sliderMode()
{
    PathModel &m = *m_model;
    if (m.sliderMode) {
        leaveSliderMode();
        return;
    }
    // A data file's run that stands still, or only blinks at its end.
    if (!m_running || m.source != PathSource::DataFile || !m.backgroundLoaded || !pb.ready()
        || (pb.playing() && !pb.atEnd()))
        return;
    m.sliderMode = true;
    ui.showActive(IDC_SLIDER_MODE, true);
    // The slider starts at the point the run stands at.
    ui.slider.SetPos(std::max(pb.shown(), 0) + 1);
    sliderMoved();
}

void PathDiagram::leaveSliderMode()
{
    if (!m_model->sliderMode)
        return;
    m_model->sliderMode = false;
    ui.showActive(IDC_SLIDER_MODE, false);
    ui.showSliderRow(0);
}

void PathDiagram::sliderMoved()
{
    PathModel &m = *m_model;
    if (!m.sliderMode)
        return;
    // The slider's range follows the rows read; never look outside them.
    const int row = std::clamp(ui.slider.GetPos() - 1, 0, pb.lastIndex());
    // The slider tells of every repaint: only another row, or a run still blinking at its end,
    // draws the run again.
    if ((row != pb.shown() || pb.playing()) && !pb.scrub(this, row))
        return;
    ui.showSliderRow(m.points.lineOf(row));
}
