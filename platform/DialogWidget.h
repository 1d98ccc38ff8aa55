#pragma once

// The Qt side of a CDialog: routes Esc, the close box, F1, mouse input and the context menu to
// it.

#include <QDialog>

class CDialog;

class DialogWidget : public QDialog
{
    Q_OBJECT
public:
    DialogWidget(CDialog *owner, QWidget *parent);
    void detach() { m_owner = nullptr; }
    // Mouse input over this widget (a passive control or the dialog itself) reaches the dialog.
    void routeMouseFrom(QWidget *w);

    void reject() override;
    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    CDialog *m_owner;
};
