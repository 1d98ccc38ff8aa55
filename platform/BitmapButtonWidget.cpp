#include "platform/BitmapButtonWidget.h"

#include <QPainter>

BitmapButtonWidget::BitmapButtonWidget(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void BitmapButtonWidget::setFaces(const QImage &up, std::function<QImage()> paintDown)
{
    m_up = up;
    m_down = QImage();
    m_paintDown = std::move(paintDown);
    update();
}

const QImage &BitmapButtonWidget::downFace() const
{
    if (m_paintDown) {
        m_down = m_paintDown();
        m_paintDown = nullptr;
    }
    return m_down;
}

QSize BitmapButtonWidget::sizeHint() const { return m_up.isNull() ? QSize(16, 16) : m_up.size(); }

void BitmapButtonWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QImage &face = isDown() ? downFace() : m_up;
    if (face.isNull()) {
        painter.fillRect(rect(), palette().button());
        return;
    }
    painter.drawImage(QPoint(0, 0), face);
    // A button that does nothing now is seen so: its face behind a veil of the window's colour.
    if (!isEnabled()) {
        QColor veil = palette().window().color();
        veil.setAlpha(150);
        painter.fillRect(rect(), veil);
    }
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}
