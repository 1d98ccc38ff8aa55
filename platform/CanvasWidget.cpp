#include "platform/CanvasWidget.h"

#include <QPaintEvent>
#include <QPainter>

CanvasWidget::CanvasWidget(const QImage &initial, QWidget *parent)
    : QWidget(parent)
    , m_surface(std::make_shared<Surface>())
{
    m_surface->image = initial.convertToFormat(QImage::Format_RGB32);
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(m_surface->image.size());
}

void CanvasWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_surface->image, event->rect());
}
