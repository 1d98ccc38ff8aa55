#pragma once

// The main window on a fresh state and the scripted platform, for the length of one headless
// render, and the diagram modes it can start in that window.

#include "mainwnd/CMainDlg.h"
#include "platform/ScriptedPlatform.h"

#include <QImage>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class RenderSession
{
public:
    RenderSession();
    ~RenderSession();
    RenderSession(const RenderSession &) = delete;
    RenderSession &operator=(const RenderSession &) = delete;

    bool created() const { return m_created; }
    // Clicks a button of the main window as a person would; false when there is no such button.
    bool press(int id);
    // What the picture area shows: 525 × 350 pixels.
    QImage picture() const;

    ScriptedPlatform scripted;
    std::unique_ptr<RunState> rs = std::make_unique<RunState>();
    std::unique_ptr<GdiState> gs = std::make_unique<GdiState>();

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
    std::function<bool()> animating;
};

// Runs the path command with the setup file loaded in its dialog. Nothing, with error set, when the
// setup was refused, the background failed or the data file gave no points.
std::optional<RenderScene> startPathScene(
    RenderSession &session, const std::filesystem::path &setupFile, std::string &error);

// Runs the correlation command with the setup file loaded in its dialog, from the current folder.
// Nothing, with error set, when the dialog complained or no data could be plotted.
std::optional<RenderScene> startCorrelationScene(
    RenderSession &session, const std::filesystem::path &setupFile, std::string &error);
