#pragma once

// The widget of an owner-drawn button: one face when up, another while pressed.

#include <QAbstractButton>
#include <QImage>
#include <functional>

class BitmapButtonWidget : public QAbstractButton
{
    Q_OBJECT
public:
    explicit BitmapButtonWidget(QWidget *parent);
    // The pressed face is painted when first shown: most buttons start up and stay so.
    void setFaces(const QImage &up, std::function<QImage()> paintDown);
    const QImage &upFace() const { return m_up; }
    const QImage &downFace() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_up;
    mutable QImage m_down;
    mutable std::function<QImage()> m_paintDown;
};
