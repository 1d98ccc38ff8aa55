#pragma once

// The main window: the picture area, the run, play and tool buttons, the read-outs and the
// slider. Its handlers are spread over one file per command group.

#include "mainwnd/GdiState.h"
#include "mainwnd/RunState.h"
#include "platform/CDialog.h"
#include "platform/Controls.h"

#include <QImage>
#include <memory>

class AnimationExport;

class CMainDlg : public CDialog
{
public:
    // The application object, tests and the headless renderer each give the window its state.
    CMainDlg(RunState &state, GdiState &gdi, CWnd *parent = nullptr);
    ~CMainDlg() override;

    BOOL OnInitDialog() override;
    BOOL DestroyWindow() override;
    void DoDataExchange(CDataExchange *dx) override;
    BOOL PreTranslateMessage(MSG *msg) override;
    bool OnMessage(const MSG &msg) override;

    // The tick routine's entry: user value 1 runs the path tick, 2 the correlation tick.
    void OnTick(DWORD_PTR type);

    RunState &state() { return rs; }
    GdiState &gdi() { return gs; }
    CEdit &editTime() { return m_editTime; }
    CEdit &editZoom() { return m_editZoom; }
    CEdit &editX() { return m_editX; }
    CEdit &editY() { return m_editY; }
    CSliderCtrl &slider() { return m_sliderPosition; }
    // Empties the X値, Y値 and 時間 read-outs, so that a new run shows nothing of an earlier one.
    void clearReadouts();
    // The animation export under way, if any.
    AnimationExport *animationExport() const { return m_export.get(); }

    // Message handlers, named after their commands.
    void OnSysCommand(UINT id, long param);
    void OnHelpInfo(); // F1 and the about item: the about box
    void OnSavePicture();
    // Starts the diagram of a setup file (.kvs correlation, .kvt path) with its setup dialog
    // showing the file loaded, as if the person had pressed the run button and chosen that file.
    void OpenSetupFile(const std::string &path);
    void OnExportAnimation();
    void OnPaint();
    void OnQueryDragIcon();
    void OnKillFocus(CWnd *newFocus);
    void OnTimer(UINT id);
    void OnPathRunStop();
    void OnPlayPause();
    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonDown(UINT flags, POINT point);
    void OnScrollDown();
    void OnScrollUp();
    void OnScrollRight();
    void OnScrollLeft();
    void OnZoomIn();
    void OnZoomOut();
    void OnTeachCorrection();
    void OnCorrelationRunStop();
    void OnSliderReleasedCapture(LRESULT *result);
    void OnSliderCustomDraw(LRESULT *result);
    void OnSliderMode();

    // Shown on a bitmap button from now on, whatever its state.
    void setButtonFace(CBitmapButton &button, const RECT &rect, int bitmapId);
    // Kills every clock (window timers 1 to 3 and the tick); the caller then waits.
    void killClocks();

    DECLARE_MESSAGE_MAP()

private:
    void startPathRun();
    void stopPathRun();
    // Play in teaching mode: the points interpolated, written and switched to play. False, after
    // saying why, when the route cannot be built.
    bool routeTeachingPoints();

    RunState &rs;
    GdiState &gs;

    CEdit m_editTime;
    CSliderCtrl m_sliderPosition;
    CEdit m_editZoom;
    CEdit m_editY;
    CEdit m_editX;
    QImage m_hIcon;
    std::unique_ptr<AnimationExport> m_export;
    bool m_initialised = false; // start-up got past the bitmap buttons
};

// The multimedia timer procedure: dispatches to the main window by user value.
void timerProc(UINT timerId, UINT message, DWORD_PTR user, DWORD_PTR, DWORD_PTR);
