#pragma once

// The widget of an owner-drawn button: one face when up, another while pressed.

#include <QAbstractButton>
#include <QImage>

class BitmapButtonWidget : public QAbstractButton
{
    Q_OBJECT
public:
    explicit BitmapButtonWidget(QWidget *parent);
    void setFaces(const QImage &up, const QImage &down);
    const QImage &upFace() const { return m_up; }
    const QImage &downFace() const { return m_down; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_up;
    QImage m_down;
};
