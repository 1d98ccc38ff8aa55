#pragma once

// The main window on a fresh state and the scripted platform, for the length of one headless
// render, and the start of a diagram in that window from its setup file.

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
    // What the picture area shows: the pixels every blit fills.
    QImage picture() const;
    CMainDlg &window() { return *m_window; }

    ScriptedPlatform scripted;

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

// Runs the diagram of that kind with the setup file loaded in its setup dialog, from the current
// folder. Nothing, with error set, when the setup was refused, the diagram did not start or its
// data file gave no points.
std::optional<RenderScene> startScene(RenderSession &session, const DiagramDescriptor &kind,
    const std::filesystem::path &setupFile, std::string &error);
