#pragma once

// A picture control: it owns the image a window DC draws into and repaints from it, so that
// uncovering the window shows the last picture.

#include "platform/Gdi.h"

#include <QWidget>
#include <memory>

class CanvasWidget : public QWidget
{
    Q_OBJECT
public:
    CanvasWidget(const QImage &initial, QWidget *parent);
    std::shared_ptr<Surface> surface() const { return m_surface; }
    const QImage &image() const { return m_surface->image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::shared_ptr<Surface> m_surface;
};
