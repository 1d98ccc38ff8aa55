#pragma once

// Where the animation stands and the clock that moves it. One owner for both: the window's
// play/pause and the clock's ticks go through it, and the diagram that runs only says what its
// tick did; nothing else writes the state.

#include "platform/WinTypes.h"

#include <vector>

class Diagram;
class WindowControls;

// What a diagram's tick did: drew the point the run stands at (the run moves on, unless paused
// with its clock running), drew nothing of the run, or drew the run's last point.
enum class TickOutcome { Next, Hold, End };

// What the clock does while the run is paused and once it is over: stops, or runs on, each tick
// redrawing the point the run stands at (a walking character goes on blinking there).
enum class ClockAtRest { Stops, RunsOn };

class Playback
{
public:
    explicit Playback(WindowControls &controls)
        : m_controls(controls)
    {
    }
    ~Playback();
    Playback(const Playback &) = delete;
    Playback &operator=(const Playback &) = delete;

    int periodMs() const { return m_periodMs; }
    int index() const { return m_index; } // the point the next tick draws
    int shown() const { return m_shown; } // the point drawn last; -1 before the first
    int lastIndex() const { return m_lastIndex; } // -1 after a read that found no point
    bool ready() const { return m_ready; } // there is something to play
    bool playing() const { return m_playing; }
    bool held() const { return m_held; } // paused with the clock running
    bool atEnd() const { return m_atEnd; } // the last point was drawn and the clock runs on
    // The run is being drawn again up to a point (a step back, the slider): its ticks draw
    // although nothing plays.
    bool replaying() const { return m_replaying; }
    // Ticks that nobody sees (a render between two captured frames) may leave the picture unshown.
    bool unseen() const { return m_unseen; }
    void setUnseen(bool unseen) { m_unseen = unseen; }
    // Where the run will stand after a tick with that outcome (a diagram's read-outs show it).
    int indexAfter(TickOutcome outcome) const;

    // A run's points, 0..lastIndex, played from the first at that period; a lastIndex below 0
    // leaves nothing to play. How the clock rests is the diagram's.
    void loadRun(int lastIndex, int periodMs, ClockAtRest rest);
    // The points of the loaded run are due at these times (ms from its start, one per point)
    // rather than one every period; the period stays how often a resting run redraws.
    void setSchedule(std::vector<long long> dueMs);
    const std::vector<long long> &schedule() const { return m_dueMs; }
    // Nothing plays any more: the clock stops, the run goes back to its start.
    void endRun();
    // The run stands at that point of its points from now on.
    void seek(int index);

    // The play/pause button for the diagram that runs (nullptr: none): pauses what plays; at the
    // end of a run, and when nothing plays, starts from the start or from where it was paused.
    void pressPlay(Diagram *diagram);
    // One tick of the clock, as the clock delivers it.
    void tick();
    // Plays the run of that diagram again from its first point.
    void restart(Diagram *diagram);
    // While the run is paused: shows the next point (steps > 0) or the one before (steps < 0);
    // a step back draws the run again up to that point, the points before it unseen.
    void step(Diagram *diagram, int steps);
    // While nothing plays: the run of that diagram drawn again up to that point, which it then
    // stands at, paused; play goes on from there. A run that ended with its clock running on
    // stops there first. False, doing nothing, while the run plays.
    bool scrub(Diagram *diagram, int target);

private:
    void showPlaying(bool playing);
    // A tick of a run with a schedule: draws every point that fell due since the last one, all
    // but the last unseen, so that play keeps up with times closer than the clock can tick.
    void tickOnSchedule();
    // The schedule's clock reads the logged time of point `standing` (-1: the start), and the
    // points due by then show at once.
    void resumeSchedule(int standing);
    void startClock();
    void stopClock();
    void replayTo(Diagram *diagram, int target);

    WindowControls &m_controls;
    Diagram *m_diagram = nullptr; // what the clock ticks
    UINT m_clockId = 0; // 0 while no clock runs
    int m_periodMs = 350;
    int m_index = 0;
    int m_lastIndex = 0;
    int m_shown = -1; // the point the last tick drew; -1 before the first
    ClockAtRest m_rest = ClockAtRest::Stops;
    bool m_ready = false;
    bool m_playing = false;
    bool m_held = false;
    bool m_atEnd = false;
    bool m_unseen = false;
    bool m_replaying = false;
    std::vector<long long> m_dueMs; // empty: one point every period
    int m_clockPeriodMs = 1; // of the schedule's clock
    long long m_startMs = 0; // when the schedule's time 0 was, on the platform's clock
    long long m_restTickMs = 0; // when a resting run last redrew
};
