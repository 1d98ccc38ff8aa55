#include "mainwnd/WindowControls.h"

#include "mainwnd/Clocks.h"
#include "platform/CDialog.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

namespace {

struct ButtonFaces
{
    int id, idle, active;
};

// In the order of WindowButton.
constexpr std::array<ButtonFaces, static_cast<std::size_t>(WindowButton::Count)> kFaces { {
    { IDC_PLAY_PAUSE, IDB_PLAY_IDLE, IDB_PLAY_ACTIVE },
    { IDC_PATH_RUN, IDB_PATH_IDLE, IDB_PATH_ACTIVE },
    { IDC_TEACH_CORRECTION, IDB_TEACH_IDLE, IDB_TEACH_ACTIVE },
    { IDC_CORR_RUN, IDB_CORR_IDLE, IDB_CORR_ACTIVE },
    { IDC_SLIDER_MODE, IDB_SLIDER_IDLE, IDB_SLIDER_ACTIVE },
} };

} // namespace

bool WindowControls::attachButtons()
{
    // The hooks first, all of them, as the window's start-up has always taken them.
    const WindowButton order[] = { WindowButton::TeachCorrection, WindowButton::Play,
        WindowButton::PathRun, WindowButton::CorrelationRun, WindowButton::SliderMode };
    for (WindowButton b : order)
        if (!at(b).button.SubclassDlgItem(kFaces[static_cast<std::size_t>(b)].id, &m_window))
            return false;
    for (std::size_t i = 0; i < kFaces.size(); ++i) {
        Button &b = m_buttons[i];
        b.button.LoadBitmaps(kFaces[i].idle, kFaces[i].active);
        b.button.SizeToContent();
        b.button.GetClientRect(&b.rect);
    }
    return true;
}

void WindowControls::showActive(WindowButton which, bool active)
{
    const ButtonFaces &faces = kFaces[static_cast<std::size_t>(which)];
    Button &b = at(which);
    const int face = active ? faces.active : faces.idle;
    b.button.LoadBitmaps(face, face);
    b.button.InvalidateRect(&b.rect);
}

void WindowControls::clearReadouts()
{
    editX.SetWindowText("");
    editY.SetWindowText("");
    editTime.SetWindowText("");
}

void WindowControls::enableScrollArrows(bool up, bool down, bool left, bool right)
{
    const std::pair<int, bool> arrows[] = { { IDC_SCROLL_UP, up }, { IDC_SCROLL_DOWN, down },
        { IDC_SCROLL_LEFT, left }, { IDC_SCROLL_RIGHT, right } };
    for (auto [id, enabled] : arrows)
        if (CWnd *arrow = m_window.GetDlgItem(id))
            arrow->EnableWindow(enabled);
}

void WindowControls::killClocks(UINT tickId)
{
    killTimer(kTimerPathView);
    killTimer(kTimerCharacterBlink);
    timeKillEvent(tickId);
    killTimer(kTimerCorrelationCompose);
}

void WindowControls::setTimer(UINT id, UINT periodMs) { m_window.SetTimer(id, periodMs); }

void WindowControls::killTimer(UINT id) { m_window.KillTimer(id); }

UINT WindowControls::startTick(UINT periodMs, DWORD_PTR user)
{
    return timeSetEvent(periodMs, 1, m_tickProcedure, user, TIME_PERIODIC);
}
