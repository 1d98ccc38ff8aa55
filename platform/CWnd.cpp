#include "platform/CWnd.h"

#include "platform/CanvasWidget.h"
#include "platform/Gdi.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    // Window timers name this object; none may fire after it is gone.
    platform().killTimers(this);
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    if (!m_widget)
        return FALSE;
    const bool wasDisabled = !m_widget->isEnabled();
    m_widget->setEnabled(enable != FALSE);
    return wasDisabled;
}

void CWnd::SetWindowText(const std::string &utf8)
{
    const QString text = QString::fromStdString(utf8);
    QWidget *w = m_widget;
    if (!w)
        return;
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        // As a Windows edit control does, a text too long for the box shows its beginning.
        edit->setText(text);
        edit->setCursorPosition(0);
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(w))
        plain->setPlainText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(w))
        group->setTitle(text);
    else
        w->setWindowTitle(text);
}

std::string CWnd::GetWindowText() const
{
    QWidget *w = m_widget;
    if (!w)
        return {};
    QString text;
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        text = edit->text();
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(w))
        text = plain->toPlainText();
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        text = button->text();
    else if (auto *label = qobject_cast<QLabel *>(w))
        text = label->text();
    else if (auto *group = qobject_cast<QGroupBox *>(w))
        text = group->title();
    else
        text = w->windowTitle();
    return text.toStdString();
}

int CWnd::GetWindowText(char *buffer, int maxCount) const
{
    if (!buffer || maxCount <= 0)
        return 0;
    const std::string text = GetWindowText();
    std::size_t n = std::min(text.size(), static_cast<std::size_t>(maxCount - 1));
    // Step back over continuation bytes so a multi-byte character is never cut in half.
    if (n < text.size())
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    text.copy(buffer, n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

void CWnd::InvalidateRect(const RECT *rect)
{
    if (!m_widget)
        return;
    if (!rect)
        m_widget->update();
    else
        m_widget->update(
            QRect(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1)));
}

void CWnd::GetClientRect(RECT *rect) const
{
    if (!rect)
        return;
    *rect = RECT {};
    if (m_widget) {
        rect->right = m_widget->width();
        rect->bottom = m_widget->height();
    }
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT *placement) const
{
    if (!placement || !m_widget)
        return FALSE;
    const QRect g = m_widget->geometry();
    placement->rcNormalPosition
        = RECT { g.left(), g.top(), g.left() + g.width(), g.top() + g.height() };
    return TRUE;
}

UINT CWnd::SetTimer(UINT id, UINT periodMs)
{
    platform().setTimer(this, id, periodMs);
    return id;
}

BOOL CWnd::KillTimer(UINT id)
{
    platform().killTimer(this, id);
    return TRUE;
}

CDC *CWnd::GetDC()
{
    auto *canvas = qobject_cast<CanvasWidget *>(m_widget.data());
    if (!canvas)
        return nullptr;
    if (!m_windowDC) {
        m_windowDC = std::make_unique<CDC>();
        QPointer<CanvasWidget> guard(canvas);
        m_windowDC->AttachWindowSurface(canvas->surface(), [guard](QRect changed) {
            if (guard)
                guard->update(changed);
        });
    }
    return m_windowDC.get();
}

int CWnd::ReleaseDC(CDC *dc)
{
    if (!dc || dc != m_windowDC.get())
        return 0;
    m_windowDC.reset();
    return 1;
}

BOOL CWnd::DestroyWindow()
{
    platform().killTimers(this);
    if (!m_widget)
        return FALSE;
    delete m_widget.data();
    return TRUE;
}

void CWnd::OnTimerExpired(UINT id)
{
    MSG msg;
    msg.message = WM_TIMER;
    msg.id = static_cast<int>(id);
    OnMessage(msg);
}
