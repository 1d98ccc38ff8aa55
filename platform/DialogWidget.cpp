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

// The virtual key of a key press without Ctrl, Alt or Meta; 0 for keys nobody asks for.
int virtualKey(const QKeyEvent &event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    switch (event.key()) {
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
    case Qt::Key_Plus:
        return VK_ADD;
    case Qt::Key_Minus:
        return VK_SUBTRACT;
    case Qt::Key_F11:
        return VK_F11;
    default:
        return 0;
    }
}

} // namespace

void DialogWidget::routeKeysFrom(QWidget *w)
{
    if (!m_keyRouter)
        m_keyRouter = new KeyRouter(this, [this](QKeyEvent *event) { return takeKey(event); });
    w->installEventFilter(m_keyRouter);
}

bool DialogWidget::takeKey(QKeyEvent *event)
{
    const int key = virtualKey(*event);
    return m_input && m_input->onKey && key != 0 && m_input->onKey(key);
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
        UINT flags = 0;
        if (mouse->buttons() & Qt::LeftButton)
            flags |= 0x0001; // MK_LBUTTON
        if (type == QEvent::MouseMove)
            m_input->onMouse(WM_MOUSEMOVE, client, flags);
        else if (mouse->button() == Qt::LeftButton)
            m_input->onMouse(WM_LBUTTONDOWN, client, flags);
        // Taken here, so that Qt does not pass it on to the dialog a second time.
        if (w != this && (type == QEvent::MouseMove || mouse->button() == Qt::LeftButton))
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
