#pragma once

// The main window on a fresh state and a manual clock, for the length of one headless render,
// and the start of a diagram in that window from a run given as values.

#include "mainwnd/CMainDlg.h"
#include "platform/ManualClock.h"

#include <QImage>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class RenderSession
{
public:
    RenderSession();
    ~RenderSession();
    RenderSession(const RenderSession &) = delete;
    RenderSession &operator=(const RenderSession &) = delete;

    bool created() const { return m_created; }
    // What the picture area shows: the pixels every blit fills.
    QImage picture() const;
    CMainDlg &window() { return *m_window; }

    ManualClockPlatform clock;

private:
    std::unique_ptr<CMainDlg> m_window;
    Platform *m_previousPlatform;
    bool m_created = false;
};

// What the frame loop needs from a diagram whose run has started in the window.
struct RenderScene
{
    int periodMs = 0; // per plotted point; 0 when the whole picture is drawn at once
    int points = 0;
    std::vector<long long> dueMs; // a run with logged times: when each point is due; else empty
    std::function<bool()> animating;
};

// Starts the diagram of that name from the run, from the current folder. Nothing, with error
// set, when the diagram refused it; notes gets what it told on the way.
std::optional<RenderScene> startScene(RenderSession &session, std::string_view diagram,
    const RunRequest &run, std::vector<std::string> &notes, std::string &error);
