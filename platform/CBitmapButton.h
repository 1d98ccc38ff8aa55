#pragma once

// An owner-drawn button that shows one bitmap when up and another while pressed. Loading the
// same bitmap as both images makes it show one face whatever its state.

#include "platform/Controls.h"

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

class CBitmapButton : public CButton
{
public:
    // Takes over the dialog's owner-drawn button of that id.
    BOOL SubclassDlgItem(int id, class CDialog *parent);
    BOOL LoadBitmaps(int upId, int downId);
    void SizeToContent();
    BitmapButtonWidget *button() const;

    // Makes the next subclassing of that control id fail, as a failed hook would.
    static void failSubclassForTesting(int id);
};
