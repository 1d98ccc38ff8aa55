#include "platform/FullScreenPicture.h"

#include "platform/CanvasWidget.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <iterator>

FullScreenPicture::FullScreenPicture(CanvasWidget *canvas)
    : QWidget(canvas, Qt::Window | Qt::FramelessWindowHint)
    , m_canvas(canvas)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
    canvas->installEventFilter(this);
}

int FullScreenPicture::wholeScale(QSize picture, QSize screen)
{
    if (picture.isEmpty())
        return 1;
    return std::max(
        1, std::min(screen.width() / picture.width(), screen.height() / picture.height()));
}

bool FullScreenPicture::eventFilter(QObject *watched, QEvent *event)
{
    // Whatever the control repaints, this picture repaints too.
    if (watched == m_canvas && event->type() == QEvent::Paint)
        update();
    return QWidget::eventFilter(watched, event);
}

void FullScreenPicture::paintEvent(QPaintEvent *)
{
    const QImage &picture = m_canvas->image();
    // Whole device pixels per picture pixel, so that no pixel is a blurred mix.
    const qreal ratio = devicePixelRatioF();
    const int scale = wholeScale(picture.size(), (QSizeF(size()) * ratio).toSize());
    const QSizeF shown = QSizeF(picture.size() * scale) / ratio;
    const QRectF target(
        QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, picture);
}

void FullScreenPicture::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F11) {
        close();
        return;
    }
    // Only the keys that move a run: Enter or Esc there would press the window's buttons.
    static constexpr Qt::Key kPassed[] = { Qt::Key_Space, Qt::Key_PageUp, Qt::Key_PageDown,
        Qt::Key_Home, Qt::Key_Left, Qt::Key_Right, Qt::Key_Plus, Qt::Key_Minus };
    if (std::find(std::begin(kPassed), std::end(kPassed), event->key()) == std::end(kPassed))
        return QWidget::keyPressEvent(event);
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
    QCoreApplication::sendEvent(m_canvas->window(), &copy);
}

void toggleFullScreenPicture(CanvasWidget *canvas)
{
    if (!canvas)
        return;
    if (auto *shown = canvas->findChild<FullScreenPicture *>()) {
        shown->close();
        return;
    }
    auto *picture = new FullScreenPicture(canvas);
    picture->setGeometry(canvas->screen()->geometry());
    picture->showFullScreen();
    picture->activateWindow();
}
