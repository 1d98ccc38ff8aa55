#include "platform/CBitmapButton.h"

#include "platform/CDialog.h"
#include "platform/Resources.h"

#include <QPainter>

namespace {
int g_failingSubclassId = 0;
}

BitmapButtonWidget::BitmapButtonWidget(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void BitmapButtonWidget::setFaces(const QImage &up, const QImage &down)
{
    m_up = up;
    m_down = down;
    update();
}

QSize BitmapButtonWidget::sizeHint() const { return m_up.isNull() ? QSize(16, 16) : m_up.size(); }

void BitmapButtonWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QImage &face = isDown() ? m_down : m_up;
    if (face.isNull()) {
        painter.fillRect(rect(), palette().button());
        return;
    }
    painter.drawImage(QPoint(0, 0), face);
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

BOOL CBitmapButton::SubclassDlgItem(int id, CDialog *parent)
{
    if (id == g_failingSubclassId) {
        g_failingSubclassId = 0;
        return FALSE;
    }
    auto *w = parent ? qobject_cast<BitmapButtonWidget *>(parent->controlWidget(id)) : nullptr;
    if (!w)
        return FALSE;
    Attach(w);
    return TRUE;
}

BOOL CBitmapButton::LoadBitmaps(int upId, int downId)
{
    auto *w = button();
    const QImage up = loadResourceBitmap(upId);
    if (!w || up.isNull())
        return FALSE;
    const QImage down = loadResourceBitmap(downId);
    w->setFaces(up, down.isNull() ? up : down);
    return TRUE;
}

void CBitmapButton::SizeToContent()
{
    if (auto *w = button(); w && !w->upFace().isNull())
        w->resize(w->upFace().size());
}

BitmapButtonWidget *CBitmapButton::button() const
{
    return qobject_cast<BitmapButtonWidget *>(widget());
}

void CBitmapButton::failSubclassForTesting(int id) { g_failingSubclassId = id; }
