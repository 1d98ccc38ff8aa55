#include "platform/DialogWidget.h"

#include "platform/CanvasWidget.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

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

namespace {

// Passes the key presses of the controls it watches to the dialog's key handler.
class KeyRouter : public QObject
{
public:
    KeyRouter(QObject *parent, std::function<bool(QKeyEvent *)> take)
        : QObject(parent)
        , m_take(std::move(take))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && m_take(static_cast<QKeyEvent *>(event)))
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(QKeyEvent *)> m_take;
};

// Keys the window takes before the control with the focus would use them: playing, stepping,
// zooming and the full-screen picture work wherever the focus is.
bool takenBeforeControls(const QKeyEvent &event)
{
    if (event.modifiers() & Qt::ControlModifier)
        return false;
    switch (event.key()) {
    case Qt::Key_Escape:
    case Qt::Key_Space:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Plus:
    case Qt::Key_Minus:
    case Qt::Key_F11:
        return true;
    default:
        return false;
    }
}

UINT modifierFlags(Qt::KeyboardModifiers modifiers)
{
    UINT flags = 0;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    if (modifiers & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    return flags;
}

// The virtual key of a key press; 0 for keys no handler names, and for any with Alt or Meta.
int virtualKey(const QKeyEvent &event)
{
    if (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        return 0;
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key; // the same codes as the virtual keys
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Plus:
        return VK_ADD;
    case Qt::Key_Minus:
        return VK_SUBTRACT;
    default:
        return 0;
    }
}

} // namespace

void DialogWidget::routeKeysFrom(QWidget *w)
{
    if (!m_keyRouter)
        m_keyRouter = new KeyRouter(this,
            [this](QKeyEvent *event) { return takenBeforeControls(*event) && takeKey(event); });
    w->installEventFilter(m_keyRouter);
}

bool DialogWidget::takeKey(QKeyEvent *event)
{
    const int key = virtualKey(*event);
    return m_input && m_input->onKey && key != 0
        && m_input->onKey(key, modifierFlags(event->modifiers()));
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
    if (takeKey(event))
        return;
    if (m_input && event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier
        && m_input->onHelp())
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
