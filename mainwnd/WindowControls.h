#pragma once

// What a diagram may use of the main window: its bitmap buttons, read-outs and slider, and its
// window timers.

#include "platform/CBitmapButton.h"
#include "platform/Controls.h"

#include <vector>

class CDialog;

class WindowControls
{
public:
    // A bitmap button: its control id and its idle and active faces.
    struct Faces
    {
        int id, idle, active;
    };

    explicit WindowControls(CDialog &window)
        : m_window(window)
    {
    }

    // Takes over the bitmap buttons (the tool buttons, then these run buttons) and shows their
    // idle faces; false when one is missing.
    bool attachButtons(const std::vector<Faces> &runButtons);
    // A bitmap button shows its active or idle face from now on, whatever its state.
    void showActive(int id, bool active);

    void clearReadouts();
    // The slider spans that many rows.
    void setSliderRows(int rows);
    // Names the file line of the point the slider marks; 0 names none.
    void showSliderRow(int line);
    // Greys the scroll arrows whose move the view refuses now, so that a refused click is seen.
    void enableScrollArrows(bool up, bool down, bool left, bool right);
    // Enables or greys the controls of a capability.
    void enable(std::initializer_list<int> ids, bool enabled);
    void setZoomText(const std::string &text) { editZoom.SetWindowText(text); }

    void setTimer(UINT id, UINT periodMs);
    void killTimer(UINT id);

    CEdit editTime, editZoom, editX, editY;
    CSliderCtrl slider;
    CStatic sliderRow;
    RECT canvasRect {};

private:
    struct Button
    {
        Faces faces;
        CBitmapButton button;
        RECT rect {};
    };
    Button *buttonWithId(int id);

    CDialog &m_window;
    std::vector<std::unique_ptr<Button>> m_buttons;
};
