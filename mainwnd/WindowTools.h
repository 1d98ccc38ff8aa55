#pragma once

// The main window's tools beyond the run: the pointer over the picture, the map's zoom and
// scroll arrows, teaching's correction button, keys and menu items, and the point slider. Each
// goes to the running diagram when it offers that capability; the tools it does not offer are
// greyed.

#include "mainwnd/Diagram.h"

#include <functional>

class CMenu;
class WindowControls;

class WindowTools
{
public:
    WindowTools(WindowControls &controls, std::function<Diagram *()> running)
        : m_controls(controls)
        , m_running(std::move(running))
    {
    }

    // Enables the tools the running diagram offers now, greys the others.
    void offer();
    void mouseMoved(POINT point);
    // Ctrl+click inserts a teaching point; a right click on a point's ring deletes it.
    void clicked(POINT point, UINT flags);
    void rightClicked(POINT point);
    // Delete, Ctrl+Z, Ctrl+Y (and Ctrl+Shift+Z), F2: teaching's keys. False for other keys.
    bool keyDown(UINT key, UINT flags);
    void zoom(int steps); // below 0 nearer
    void scroll(ScrollDirection direction);
    void teachCorrection();
    // The window menu's teaching items: type a point, save or open the points, write the route.
    static void appendTeachingItems(CMenu &menu);
    // One of those items chosen; told plainly when nothing is being taught. Other ids do nothing.
    void teachingCommand(UINT id);
    void sliderMode();
    void sliderMoved();

private:
    DiagramCapabilities offered() const;

    WindowControls &m_controls;
    std::function<Diagram *()> m_running;
    bool m_mouseInPicture = false;
};
