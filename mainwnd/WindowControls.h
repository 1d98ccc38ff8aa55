#pragma once

// What a diagram may use of the main window: its bitmap buttons, read-outs and slider, its
// window timers, and the periodic tick that the window hands to the diagram in use.

#include "platform/CBitmapButton.h"
#include "platform/Controls.h"
#include "platform/Platform.h"

#include <array>

class CDialog;

enum class WindowButton { Play, PathRun, TeachCorrection, CorrelationRun, SliderMode, Count };

class WindowControls
{
public:
    explicit WindowControls(CDialog &window)
        : m_window(window)
    {
    }

    // Takes over the five bitmap buttons and shows their idle faces; false when one is missing.
    bool attachButtons();
    // A button shows its active or idle face from now on, whatever its state.
    void showActive(WindowButton button, bool active);

    void clearReadouts();
    // Greys the scroll arrows whose move the view refuses now, so that a refused click is seen.
    void enableScrollArrows(bool up, bool down, bool left, bool right);
    void setZoomText(const std::string &text) { editZoom.SetWindowText(text); }

    // The three window timers and the periodic tick.
    void killClocks(UINT tickId);
    void setTimer(UINT id, UINT periodMs);
    void killTimer(UINT id);
    // The periodic tick (0 when refused), delivered to the window's tick procedure.
    UINT startTick(UINT periodMs, DWORD_PTR user);
    void setTickProcedure(LPTIMECALLBACK procedure) { m_tickProcedure = procedure; }

    CEdit editTime, editZoom, editX, editY;
    CSliderCtrl slider;
    RECT canvasRect {};

private:
    struct Button
    {
        CBitmapButton button;
        RECT rect {};
    };
    Button &at(WindowButton b) { return m_buttons[static_cast<std::size_t>(b)]; }

    CDialog &m_window;
    LPTIMECALLBACK m_tickProcedure = nullptr;
    std::array<Button, static_cast<std::size_t>(WindowButton::Count)> m_buttons;
};
