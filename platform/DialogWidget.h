#pragma once

// The Qt side of a dialog: routes Esc, the close box, F1, mouse input, other keys and the context
// menu to the handlers its dialog gives it.

#include "platform/WinTypes.h"

#include <QDialog>
#include <functional>
#include <optional>

struct DialogInput
{
    std::function<void(int id)> onButton; // OK from Enter, cancel from Esc and the close box
    std::function<void(UINT message, QPoint clientPos, UINT flags)> onMouse;
    std::function<bool()> onHelp; // F1; false when nothing took it
    std::function<void(QPoint globalPos)> onContextMenu;
    // A key pressed in the dialog, as a virtual key with MK_CONTROL and MK_SHIFT; true when the
    // dialog took it, so that the control with the focus does not see it too.
    std::function<bool(int virtualKey, UINT flags)> onKey;
};

class DialogWidget : public QDialog
{
    Q_OBJECT
public:
    DialogWidget(DialogInput input, QWidget *parent);
    // From now on the widget behaves as a plain Qt dialog.
    void detach() { m_input.reset(); }
    // Mouse input over this widget (a passive control or the dialog itself) reaches the dialog.
    void routeMouseFrom(QWidget *w);
    // Keys pressed while this control has the focus reach the dialog first.
    void routeKeysFrom(QWidget *w);

    void reject() override;
    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool takeKey(QKeyEvent *event);

    std::optional<DialogInput> m_input;
    QObject *m_keyRouter = nullptr;
};
