#include "mainwnd/Playback.h"

#include "mainwnd/Diagram.h"
#include "mainwnd/WindowControls.h"
#include "platform/Platform.h"
#include "res/ControlIds.h"

#include <algorithm>

Playback::~Playback() { stopClock(); }

int Playback::indexAfter(TickOutcome outcome) const
{
    switch (outcome) {
    case TickOutcome::Next:
        // Held, or drawn again up to it, the run stays at the point drawn.
        return m_held || m_replaying ? m_index : m_index + 1;
    case TickOutcome::End:
        return m_lastIndex;
    case TickOutcome::Hold:
        break;
    }
    return m_index;
}

void Playback::loadRun(int lastIndex, int periodMs, ClockAtRest rest)
{
    m_lastIndex = lastIndex;
    m_ready = lastIndex >= 0;
    m_rest = rest;
    if (!m_ready)
        return;
    m_periodMs = periodMs;
    m_index = 0;
    m_shown = -1;
    m_held = m_atEnd = false;
}

void Playback::endRun()
{
    if (m_playing)
        showPlaying(false);
    stopClock();
    m_diagram = nullptr;
    m_index = m_lastIndex = 0;
    m_shown = -1;
    m_ready = m_held = m_atEnd = false;
}

void Playback::seek(int index)
{
    if (m_ready)
        m_index = std::clamp(index, 0, m_lastIndex);
}

void Playback::pressPlay(Diagram *diagram)
{
    if (m_playing) {
        // At the end of a run the press that stops the clock also starts again from the start.
        const bool over = m_atEnd;
        showPlaying(false);
        if (m_rest == ClockAtRest::Stops || m_atEnd) {
            stopClock();
            m_atEnd = false;
        } else {
            m_held = true; // the clock runs on; each tick redraws the current point
        }
        if (diagram)
            diagram->pause();
        if (!over)
            return;
    }
    if (!diagram || !diagram->prepareToPlay())
        return;
    showPlaying(true);
    // A run whose last point was drawn with the clock stopped starts again; one held there
    // resumes, and so does one paused before it.
    const bool fromStart
        = !m_held && m_index == m_lastIndex && (m_shown == m_lastIndex || m_shown < 0);
    if (fromStart)
        m_index = 0;
    m_diagram = diagram;
    if (m_held)
        m_held = false;
    else
        startClock();
    diagram->play(fromStart);
}

void Playback::tick()
{
    if (!m_diagram)
        return;
    const int drawn = m_index;
    const TickOutcome outcome = m_diagram->tick();
    if (outcome != TickOutcome::Hold)
        m_shown = drawn;
    m_index = indexAfter(outcome);
    if (outcome != TickOutcome::End)
        return;
    if (m_rest == ClockAtRest::RunsOn) {
        m_atEnd = true;
        return;
    }
    showPlaying(false);
    stopClock();
    m_held = false;
}

void Playback::restart(Diagram *diagram)
{
    if (!m_ready || !diagram)
        return;
    if (m_playing) {
        showPlaying(false);
        diagram->pause();
    }
    stopClock();
    m_held = m_atEnd = false;
    m_index = 0;
    m_shown = -1;
    if (!diagram->prepareToPlay())
        return;
    showPlaying(true);
    m_diagram = diagram;
    startClock();
    diagram->play(true);
}

void Playback::step(Diagram *diagram, int steps)
{
    // Only a run that was played and now stands paused (its clock stopped, or held).
    if (!m_ready || !diagram || diagram != m_diagram || m_playing || steps == 0)
        return;
    if (steps > 0) {
        if (m_held)
            m_index = std::min(m_index + 1, m_lastIndex);
        tick();
        return;
    }
    if (m_shown > 0)
        replayTo(diagram, m_shown - 1);
}

bool Playback::scrub(Diagram *diagram, int target)
{
    if (!m_ready || !diagram)
        return false;
    if (m_playing) {
        if (!m_atEnd)
            return false;
        // At the end the clock only redraws the last point: the run stops there first.
        showPlaying(false);
        stopClock();
        m_atEnd = false;
        diagram->pause();
    }
    m_diagram = diagram;
    replayTo(diagram, std::clamp(target, 0, m_lastIndex));
    return true;
}

// Draws the run again from its first point, the points before target unseen.
void Playback::replayTo(Diagram *diagram, int target)
{
    m_replaying = true;
    m_index = 0;
    diagram->play(true);
    for (int i = 0; i <= target; ++i) {
        m_index = i;
        m_unseen = i < target;
        diagram->tick();
    }
    m_unseen = m_replaying = false;
    m_shown = target;
    m_index = m_held ? target : std::min(target + 1, m_lastIndex);
}

void Playback::showPlaying(bool playing)
{
    m_playing = playing;
    m_controls.showActive(IDC_PLAY_PAUSE, playing);
}

void Playback::startClock()
{
    stopClock();
    m_clockId
        = platform().startTick(static_cast<UINT>(std::max(m_periodMs, 0)), [this] { tick(); });
}

void Playback::stopClock()
{
    if (m_clockId != 0)
        platform().stopTick(m_clockId);
    m_clockId = 0;
}
