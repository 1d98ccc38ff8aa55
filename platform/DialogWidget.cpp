#include "platform/DialogWidget.h"

#include "platform/CanvasWidget.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

DialogWidget::DialogWidget(DialogInput input, QWidget *parent)
    : QDialog(parent)
    , m_input(std::move(input))
{
    setMouseTracking(true);
    installEventFilter(this);
}

void DialogWidget::routeMouseFrom(QWidget *w)
{
    w->setMouseTracking(true);
    w->installEventFilter(this);
}

void DialogWidget::reject()
{
    if (m_input)
        m_input->onButton(IDCANCEL);
    else
        QDialog::reject();
}

void DialogWidget::accept()
{
    if (m_input)
        m_input->onButton(IDOK);
    else
        QDialog::accept();
}

namespace {

UINT modifierFlags(Qt::KeyboardModifiers modifiers)
{
    UINT flags = 0;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    if (modifiers & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    return flags;
}

// The virtual key of a Qt key, 0 for keys no handler names.
int virtualKey(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key; // the same codes as the virtual keys
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return VK_F1 + (key - Qt::Key_F1);
    return key == Qt::Key_Delete ? VK_DELETE : 0;
}

} // namespace

bool DialogWidget::eventFilter(QObject *watched, QEvent *event)
{
    auto *w = qobject_cast<QWidget *>(watched);
    if (!m_input || !w)
        return QDialog::eventFilter(watched, event);
    const auto type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint client
            = w == this ? mouse->position().toPoint() : w->mapTo(this, mouse->position().toPoint());
        UINT flags = modifierFlags(mouse->modifiers());
        if (mouse->buttons() & Qt::LeftButton)
            flags |= MK_LBUTTON;
        const bool taken = type == QEvent::MouseMove || mouse->button() == Qt::LeftButton
            || (mouse->button() == Qt::RightButton && qobject_cast<CanvasWidget *>(w));
        if (type == QEvent::MouseMove)
            m_input->onMouse(WM_MOUSEMOVE, client, flags);
        else if (mouse->button() == Qt::LeftButton)
            m_input->onMouse(WM_LBUTTONDOWN, client, flags);
        else if (mouse->button() == Qt::RightButton)
            m_input->onMouse(WM_RBUTTONDOWN, client, flags);
        // Taken here, so that Qt does not pass it on to the dialog a second time.
        if (w != this && taken)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void DialogWidget::keyPressEvent(QKeyEvent *event)
{
    if (m_input && event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier
        && m_input->onHelp())
        return;
    if (const int key = virtualKey(event->key()); m_input && m_input->onKey && key != 0
        && m_input->onKey(key, modifierFlags(event->modifiers())))
        return;
    QDialog::keyPressEvent(event);
}

void DialogWidget::contextMenuEvent(QContextMenuEvent *event)
{
    // The system menu's own items, offered where Linux desktops give no window menu; not over
    // the picture area, where the right button belongs to the picture.
    QWidget *under = childAt(event->pos());
    if (m_input && !qobject_cast<CanvasWidget *>(under))
        m_input->onContextMenu(event->globalPos());
}
