#pragma once

// Everything that waits for a person or for time goes through this seam: modal dialog loops,
// message boxes, file dialogs, window timers, the periodic tick, Sleep and the clock. The Qt
// implementation serves the real window; the scripted one serves tests and headless rendering.

#include "platform/WinTypes.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CDialog;

struct FileDialogRequest
{
    bool open = true; // open, or save as
    std::string defaultExtension; // ".csv"
    std::string fileName;
    std::string initialDirectory; // empty: wherever the platform opens by default
    DWORD flags = 0;
    std::string filter; // "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||"
};

// Receives window timer expiries (WM_TIMER) on the user-interface thread.
class TimerTarget
{
public:
    virtual ~TimerTarget() = default;
    virtual void OnTimerExpired(UINT id) = 0;
};

class Platform
{
public:
    virtual ~Platform() = default;

    // Runs the modal loop of a dialog whose widgets exist and whose OnInitDialog has run;
    // returns the value given to EndDialog.
    virtual int runModalLoop(CDialog &dialog) = 0;
    virtual void messageBox(const std::string &text) = 0;
    // A message that does not wait: the window stays usable while it shows. A new notice
    // joins the one still showing, so there is never more than one box.
    virtual void showNotice(const std::string &text) = 0;
    // The chosen full path, or nothing when the person cancelled.
    virtual std::optional<std::string> fileDialog(const FileDialogRequest &request) = 0;

    virtual void setTimer(TimerTarget *target, UINT id, UINT periodMs) = 0;
    virtual void killTimer(TimerTarget *target, UINT id) = 0;
    virtual void killTimers(TimerTarget *target) = 0;
    // A drift-free periodic tick on the user-interface thread; 0 when refused (period < 1).
    virtual UINT startTick(UINT periodMs, std::function<void()> tick) = 0;
    virtual void stopTick(UINT id) = 0;
    virtual void sleep(UINT ms) = 0;
    virtual long long nowMs() = 0;
    // Starts a program that lives on without this one; false when it could not be started.
    virtual bool startDetached(
        const std::string &program, const std::vector<std::string> &arguments)
        = 0;
};

Platform &platform();
// Installs the platform used from now on (not owned); nullptr restores the Qt one.
void installPlatform(Platform *platform);
// The running program's own executable.
std::string programFile();

// Win32-style entry points over the seam.
using LPTIMECALLBACK = void (*)(UINT timerId, UINT message, DWORD_PTR user, DWORD_PTR, DWORD_PTR);
UINT timeSetEvent(
    UINT delayMs, UINT resolutionMs, LPTIMECALLBACK callback, DWORD_PTR user, UINT eventType);
UINT timeKillEvent(UINT timerId);
void Sleep(DWORD ms);
int AfxMessageBox(const std::string &text);
