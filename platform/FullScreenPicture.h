#pragma once

// A picture control shown alone on the whole screen, for a room to see: each pixel a whole
// block of the largest size that fits, the rest black. It follows the control as it repaints;
// Esc or F11 closes it, the keys that move a run go on to the control's window.

#include <QWidget>

class CanvasWidget;

class FullScreenPicture : public QWidget
{
    Q_OBJECT
public:
    explicit FullScreenPicture(CanvasWidget *canvas);

    // The largest whole number of screen pixels per picture pixel that fits (at least 1).
    static int wholeScale(QSize picture, QSize screen);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    CanvasWidget *m_canvas;
};

// Shows the control's picture full screen, or closes the full-screen picture already shown.
void toggleFullScreenPicture(CanvasWidget *canvas);
