#pragma once

// A window: a thin handle on a Qt widget, with the Win32 operations the windows code uses.

#include "platform/Platform.h"
#include "platform/WinTypes.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

class CDC;

class CWnd : public TimerTarget
{
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd &) = delete;
    CWnd &operator=(const CWnd &) = delete;

    QWidget *widget() const { return m_widget; }
    void Attach(QWidget *widget) { m_widget = widget; }
    bool IsWindow() const { return !m_widget.isNull(); }

    void SetWindowText(const std::string &utf8);
    std::string GetWindowText() const;
    // Copies at most maxCount − 1 bytes (never a partial character) and a terminating zero.
    int GetWindowText(char *buffer, int maxCount) const;

    // A disabled window is greyed and takes no clicks. Returns whether it was disabled before.
    BOOL EnableWindow(BOOL enable);
    BOOL IsWindowEnabled() const { return m_widget && m_widget->isEnabled(); }

    void InvalidateRect(const RECT *rect);
    void GetClientRect(RECT *rect) const;
    // The normal position in the parent's client coordinates.
    BOOL GetWindowPlacement(WINDOWPLACEMENT *placement) const;

    UINT SetTimer(UINT id, UINT periodMs);
    BOOL KillTimer(UINT id);

    // The window's own device context: a picture control gives a DC that draws into its image.
    CDC *GetDC();
    int ReleaseDC(CDC *dc);

    virtual BOOL DestroyWindow();

    // A message delivered to the window; returns whether a handler took it.
    virtual bool OnMessage(const MSG &) { return false; }
    void OnTimerExpired(UINT id) override;

private:
    QPointer<QWidget> m_widget;
    std::unique_ptr<CDC> m_windowDC;
};
