#pragma once

// A diagram the window can run: its setup, its run, its tick and its drawing. The window holds
// the diagram in use through this interface only; play/pause, the clocks, export and the render
// command ask it, never a concrete diagram.

#include "data/AtomicFile.h"
#include "platform/WinTypes.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

struct GdiState;
struct Playback;
class WindowControls;

enum class DiagramKind { Correlation, Path };
enum class ScrollDirection { Up, Down, Left, Right };

// What every diagram works with: the shared playback, the drawing objects and the window's
// controls and clocks.
struct DiagramContext
{
    Playback &playback;
    GdiState &gdi;
    WindowControls &controls;
};

class Diagram
{
public:
    virtual ~Diagram() = default;

    virtual DiagramKind kind() const = 0;
    virtual int runButtonId() const = 0;
    virtual bool running() const = 0;

    // The diagram's run button: asks for its setup and starts, or stops. Another diagram that
    // runs owns the clocks and the picture. True when a setup was accepted.
    virtual bool runOrStop(bool anotherRunning) = 0;
    // Another diagram accepted a setup: the next setup of this one starts afresh.
    virtual void forgetSetup() = 0;
    // Play: false, after saying why where there is something to say, when nothing can play.
    // Otherwise the window shows it playing and calls play().
    virtual bool prepareToPlay() = 0;
    virtual void play() = 0;
    // The window has shown it paused.
    virtual void pause() = 0;
    virtual void tick() = 0;
    virtual void onTimer(UINT id) = 0;

    // The setup file the diagram reads (".kvs", ".kvt"), and one to load at the next setup.
    virtual std::string setupExtension() const = 0;
    virtual void loadSetupAtNextStart(const std::string &path) = 0;
    // Whether there is an animation to export, and its setup written for the renderer.
    virtual bool exportable() const = 0;
    virtual FileWriteResult exportSetup(const std::string &path) const = 0;

    // For the headless renderer: the setup dialog's template, the time per plotted point (0
    // when the picture is drawn at once), the data file and its first data line, and whether a
    // message the window showed while starting is a note rather than a refusal.
    virtual int setupDialogId() const = 0;
    virtual int framePeriodMs() const = 0;
    virtual std::string dataFilePath() const = 0;
    virtual int dataStartRow() const = 0;
    virtual bool isStartNote(const std::string &message) const = 0;

    // What the window shows beyond the setup file, as arguments of the render command; a file
    // they name is written into folder.
    virtual std::vector<std::string> viewArguments(const std::string & /*folder*/) const
    {
        return {};
    }
    // Points marked on the picture as the window marks the taught points; false when the
    // diagram marks none.
    virtual bool markPoints(const std::vector<std::array<double, 2>> & /*points*/) { return false; }
    // The window is about to close: false when the person chose to keep work closing would lose.
    virtual bool mayClose() { return true; }

    // Commands of the window that only some diagrams answer.
    virtual void zoom(int /*steps*/) { }
    virtual void scroll(ScrollDirection) { }
    virtual void mouseMoved(POINT /*point*/, bool /*inPicture*/) { }
    virtual void clicked(POINT /*point*/) { }
    virtual void teachCorrection() { }
    virtual void sliderMode() { }
    virtual void sliderMoved() { }
};

// Every diagram the window offers, created in one place.
std::vector<std::unique_ptr<Diagram>> createDiagrams(const DiagramContext &context);
