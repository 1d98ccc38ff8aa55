#pragma once

// A main window on the scripted platform, driven as a person would: press a button, answer the
// dialogs from a script, advance the clock; then look at state, texts, messages and pixels.

#include "correlation/ui/CorrelationDiagram.h"
#include "mainwnd/CMainDlg.h"
#include "path/ui/PathDiagram.h"
#include "platform/CanvasWidget.h"
#include "tests/core/TempDir.h"
#include "tests/support/ScriptedPlatform.h"

#include <QAbstractButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

class ScenarioTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Clicks the control as a person would (its clicked signal, so the message map runs).
    void click(int id);
    // A command of the window menu, as the menu sends it.
    void systemCommand(unsigned id)
    {
        MSG msg;
        msg.message = WM_SYSCOMMAND;
        msg.id = static_cast<int>(id);
        dlg->OnMessage(msg);
    }
    // A mouse message at a point of the picture area; a click is a move there, then a press.
    void mouse(UINT message, int x, int y, UINT flags = 0);
    // A key pressed on the window (a letter, a digit, Delete or F2), with MK_CONTROL / MK_SHIFT,
    // as the keyboard sends it.
    void key(int virtualKey, UINT flags = 0);
    void clickAt(int x, int y, UINT flags = 0)
    {
        mouse(WM_MOUSEMOVE, x, y);
        mouse(WM_LBUTTONDOWN, x, y, flags);
    }
    std::string text(int id)
    {
        return dlg->GetDlgItem(id) ? dlg->GetDlgItem(id)->GetWindowText() : "";
    }
    QImage canvas() const;
    COLORREF canvasPixel(int x, int y) const;
    // Whether exactly the pixels of `text`'s ink, written in `font` and `colour` from the cell's
    // corner, have that colour in the canvas cell.
    bool canvasShowsText(QRect cell, CFont &font, COLORREF colour, const std::string &text) const;
    // A fresh folder for this test's files, removed afterwards.
    std::filesystem::path tempDir() const { return m_tempDir.path(); }
    std::filesystem::path writeFile(const std::string &name, const std::string &contents)
    {
        return m_tempDir.write(name, contents);
    }
    static std::filesystem::path samplesDir() { return TRACELET_SAMPLES_DIR; }

    Playback &pb() { return dlg->playback(); }
    PathDiagram &path() { return static_cast<PathDiagram &>(dlg->diagram("path")); }
    CorrelationDiagram &corr()
    {
        return static_cast<CorrelationDiagram &>(dlg->diagram("correlation"));
    }
    PathModel &pathModel() { return path().model(); }
    MapView &view() { return pathModel().view; }
    CorrelationModel &corrModel() { return corr().model(); }

    ScriptedPlatform scripted;
    std::unique_ptr<CMainDlg> dlg;
    GdiState *gs = nullptr;
    bool initOk = false;

private:
    TempDir m_tempDir;
};

using Step = ScriptedPlatform::Step;
