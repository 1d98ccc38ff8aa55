#include "mainwnd/WindowControls.h"

#include "data/Translate.h"
#include "platform/CDialog.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <string>

bool WindowControls::attachButtons(const std::vector<Faces> &runButtons)
{
    // The hooks in the order the window's start-up has always taken them.
    std::vector<Faces> faces { { IDC_TEACH_CORRECTION, IDB_TEACH_IDLE, IDB_TEACH_ACTIVE },
        { IDC_PLAY_PAUSE, IDB_PLAY_IDLE, IDB_PLAY_ACTIVE } };
    faces.insert(faces.end(), runButtons.begin(), runButtons.end());
    faces.push_back({ IDC_SLIDER_MODE, IDB_SLIDER_IDLE, IDB_SLIDER_ACTIVE });
    m_buttons.clear();
    for (const Faces &f : faces) {
        auto b = std::make_unique<Button>();
        b->faces = f;
        if (!b->button.SubclassDlgItem(f.id, &m_window))
            return false;
        m_buttons.push_back(std::move(b));
    }
    for (const auto &b : m_buttons) {
        b->button.LoadBitmaps(b->faces.idle, b->faces.active);
        b->button.SizeToContent();
        b->button.GetClientRect(&b->rect);
    }
    return true;
}

WindowControls::Button *WindowControls::buttonWithId(int id)
{
    const auto found
        = std::ranges::find_if(m_buttons, [id](const auto &b) { return b->faces.id == id; });
    return found == m_buttons.end() ? nullptr : found->get();
}

void WindowControls::showActive(int id, bool active)
{
    Button *b = buttonWithId(id);
    if (!b)
        return;
    const int face = active ? b->faces.active : b->faces.idle;
    b->button.LoadBitmaps(face, face);
    b->button.InvalidateRect(&b->rect);
}

void WindowControls::clearReadouts()
{
    editX.SetWindowText("");
    editY.SetWindowText("");
    editTime.SetWindowText("");
    sliderRow.SetWindowText("");
}

void WindowControls::setSliderRows(int rows)
{
    slider.SetRange(1, rows, TRUE);
    if (rows > 1000)
        slider.SetPageSize((rows + 1) / 100);
}

void WindowControls::showSliderRow(int line)
{
    sliderRow.SetWindowText(
        line > 0 ? fillIn(tx("WindowControls", "%1行目"), { std::to_string(line) }) : "");
}

void WindowControls::enableScrollArrows(bool up, bool down, bool left, bool right)
{
    const std::pair<int, bool> arrows[] = { { IDC_SCROLL_UP, up }, { IDC_SCROLL_DOWN, down },
        { IDC_SCROLL_LEFT, left }, { IDC_SCROLL_RIGHT, right } };
    for (auto [id, enabled] : arrows)
        if (CWnd *arrow = m_window.GetDlgItem(id))
            arrow->EnableWindow(enabled);
}

void WindowControls::enable(std::initializer_list<int> ids, bool enabled)
{
    for (int id : ids)
        if (CWnd *control = m_window.GetDlgItem(id))
            control->EnableWindow(enabled);
}

void WindowControls::setTimer(UINT id, UINT periodMs) { m_window.SetTimer(id, periodMs); }

void WindowControls::killTimer(UINT id) { m_window.KillTimer(id); }
