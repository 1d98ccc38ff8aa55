#pragma once

// A diagram the window can run: its setup, its run, its tick and its drawing. The window holds
// the diagram in use through this interface only; what only some diagrams offer (a map to move
// over, the pointer, a point slider, teaching) the window asks for as a capability and enables
// its controls by what the running diagram answers.

#include "mainwnd/Playback.h"
#include "platform/WinTypes.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct GdiState;
class WindowControls;

enum class ScrollDirection { Up, Down, Left, Right };

// A run as values: the diagram's setup file and what the view adds to it.
struct RunRequest
{
    std::string setupFile;
    int zoomIndex = 0; // a map's zoom: 0 full size, 1 half, 2 a quarter
    std::vector<std::array<double, 2>> markedPoints; // ringed on a map as taught points are
};

struct StartResult
{
    std::string refusal; // empty when the run started
    std::vector<std::string> notes; // told on the way, in order; they refuse nothing
};

// What every diagram works with: the playback, the drawing objects, the window's controls and
// clocks, and its own run button there.
struct DiagramContext
{
    Playback &playback;
    GdiState &gdi;
    WindowControls &controls;
    int runButton;
};

// A map the view moves over.
class MapNavigation
{
public:
    virtual void zoom(int steps) = 0; // below 0 nearer
    virtual void scroll(ScrollDirection direction) = 0;
    // Enables the scroll arrows whose move the view allows now.
    virtual void showScrollArrows() = 0;

protected:
    ~MapNavigation() = default;
};

// The pointer over the picture.
class PointerInput
{
public:
    virtual void mouseMoved(POINT point, bool inPicture) = 0;
    virtual void clicked(POINT point) = 0;

protected:
    ~PointerInput() = default;
};

// The slider that marks one point of the run and reads out its values.
class PointSlider
{
public:
    virtual void sliderMode() = 0;
    virtual void sliderMoved() = 0;

protected:
    ~PointSlider() = default;
};

// Points taught with the mouse: corrected in a mode of their own, inserted on the route, deleted,
// typed, every change taken back and done again. Each edit is false, doing nothing, when the run
// is not teaching.
class TeachingTools
{
public:
    virtual void teachCorrection() = 0;
    virtual bool insertPoint(POINT point) = 0; // on the segment of the route nearest to it
    virtual bool deletePoint(POINT point) = 0; // the point whose ring is there
    virtual bool deletePicked() = 0; // the point picked for correction
    virtual bool undoTeaching() = 0;
    virtual bool redoTeaching() = 0;
    virtual bool typePoint() = 0; // asks for X and Y: a new point, or the picked one's new place

protected:
    ~TeachingTools() = default;
};

// The taught points kept apart from playing: saved to a points file and opened again to go on
// teaching, or turned into their route file without playing it. False, doing nothing, when the
// run is not teaching.
class TeachingFiles
{
public:
    virtual bool savePoints() = 0;
    virtual bool openPoints() = 0;
    virtual bool writeRoute() = 0;

protected:
    ~TeachingFiles() = default;
};

struct DiagramCapabilities
{
    MapNavigation *map = nullptr;
    PointerInput *pointer = nullptr;
    PointSlider *slider = nullptr;
    TeachingTools *teaching = nullptr;
    TeachingFiles *teachingFiles = nullptr;
};

class Diagram
{
public:
    virtual ~Diagram() = default;

    virtual bool running() const = 0;
    // The diagram's run button: asks for its setup (showing setupToLoad loaded, when one is
    // named) and starts, or stops. Another diagram that runs owns the clocks and the picture.
    // True when a setup was accepted.
    virtual bool runOrStop(bool anotherRunning, const std::string &setupToLoad) = 0;
    // Another diagram accepted a setup: the next setup of this one starts afresh.
    virtual void forgetSetup() = 0;

    // Play: false, after saying why where there is something to say, when nothing can play.
    virtual bool prepareToPlay() = 0;
    // The run plays on from where it stands; fromStart when it starts again from its first point.
    virtual void play(bool fromStart) = 0;
    // The window has shown it paused.
    virtual void pause() = 0;
    // Draws the point the playback stands at and says what it did.
    virtual TickOutcome tick() = 0;
    // One of the window timers this diagram set.
    virtual void onTimer(UINT id) = 0;
    // The window is about to close: false when the person chose to keep work closing would lose.
    virtual bool mayClose() { return true; }

    virtual DiagramCapabilities capabilities() { return {}; }

    // Starts from a run given as values, asking nobody: what the command line's renderer and
    // so the window's export do. A refusal is said in words; notes are what the window would
    // have told on the way.
    virtual StartResult start(const RunRequest &run) = 0;
    // Whether there is a run to export, and the run as values, its setup written to setupFile;
    // nothing when that file could not be written.
    virtual bool exportable() const = 0;
    virtual std::optional<RunRequest> currentRun(const std::string &setupFile) const = 0;
};
