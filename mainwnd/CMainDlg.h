#pragma once

// The main window: the picture area, the run, play and tool buttons, the read-outs and the
// slider. It runs one diagram at a time and knows it only through the Diagram interface.

#include "mainwnd/DiagramRegistry.h"
#include "mainwnd/GdiState.h"
#include "mainwnd/Playback.h"
#include "mainwnd/WindowControls.h"
#include "mainwnd/WindowTools.h"
#include "platform/CDialog.h"
#include "platform/Controls.h"

#include <QImage>
#include <memory>
#include <vector>

class AnimationExport;

class CMainDlg : public CDialog
{
public:
    explicit CMainDlg(CWnd *parent = nullptr);
    ~CMainDlg() override;

    BOOL OnInitDialog() override;
    BOOL DestroyWindow() override;
    void DoDataExchange(CDataExchange *dx) override;
    bool OnMessage(const MSG &msg) override;
    // キャンセル, Esc and the close box: the program ends, once no diagram holds work to keep.
    void OnCancel() override;

    Playback &playback() { return m_playback; }
    GdiState &gdi() { return m_gdi; }
    WindowControls &controls() { return m_controls; }
    // The diagram of that name (tests and the renderer look at it), and the one that runs.
    Diagram &diagram(std::string_view name);
    Diagram *runningDiagram() const;
    // The animation export under way, if any.
    AnimationExport *animationExport() const { return m_export.get(); }

    // Message handlers, named after their commands.
    void OnSysCommand(UINT id, long param);
    void OnHelpInfo(); // F1 and the about item: the about box
    void OnSavePicture();
    // Starts the diagram of a setup file (.kvs correlation, .kvt path) with its setup dialog
    // showing the file loaded, as if the person had pressed the run button and chosen that file.
    void OpenSetupFile(const std::string &path);
    // Starts the diagram of that name from a run given as values, asking nobody.
    StartResult StartRun(std::string_view name, const RunRequest &run);
    void OnExportAnimation();
    void OnPaint();
    void OnQueryDragIcon();
    void OnKillFocus(CWnd *newFocus);
    void OnTimer(UINT id);
    void OnPlayPause();
    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonDown(UINT flags, POINT point);
    void OnRButtonDown(UINT flags, POINT point);
    bool keyDown(int key, UINT flags);
    void OnScrollDown();
    void OnScrollUp();
    void OnScrollRight();
    void OnScrollLeft();
    void OnZoomIn();
    void OnZoomOut();
    void OnTeachCorrection();
    void OnSliderReleasedCapture(LRESULT *result);
    void OnSliderCustomDraw(LRESULT *result);
    void OnSliderMode();

    DECLARE_MESSAGE_MAP()

private:
    struct Slot
    {
        DiagramDescriptor descriptor;
        std::unique_ptr<Diagram> diagram;
    };

    // The run button of that diagram: it asks for a setup (with that file loaded) and starts, or
    // stops.
    void runOrStop(Slot &slot, const std::string &setupToLoad = {});
    const Slot *runningSlot() const;
    // Whether no diagram holds work to keep, or the person lets it go.
    bool mayClose();
    void addToolTips();

    GdiState m_gdi;
    WindowControls m_controls { *this };
    Playback m_playback { m_controls };
    WindowTools m_tools { m_controls, [this] { return runningDiagram(); } };
    std::vector<Slot> m_diagrams;
    CToolTipCtrl m_toolTip;
    QImage m_hIcon;
    std::unique_ptr<AnimationExport> m_export;
    bool m_initialised = false; // start-up got past the bitmap buttons
};
