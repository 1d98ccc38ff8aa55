#include "platform/CBitmapButton.h"

#include "platform/CDialog.h"
#include "platform/Resources.h"

BOOL CBitmapButton::SubclassDlgItem(int id, CDialog *parent)
{
    auto *w = parent ? qobject_cast<BitmapButtonWidget *>(parent->controlWidget(id)) : nullptr;
    if (!w)
        return FALSE;
    Attach(w);
    return TRUE;
}

BOOL CBitmapButton::LoadBitmaps(int upId, int downId)
{
    auto *w = faceWidget();
    const QImage up = loadResourceBitmap(upId);
    if (!w || up.isNull())
        return FALSE;
    w->setFaces(up, [up, same = downId == upId, downId] {
        const QImage down = same ? up : loadResourceBitmap(downId);
        return down.isNull() ? up : down;
    });
    return TRUE;
}

void CBitmapButton::SizeToContent()
{
    if (auto *w = faceWidget(); w && !w->upFace().isNull())
        w->resize(w->upFace().size());
}

BitmapButtonWidget *CBitmapButton::faceWidget() const
{
    return qobject_cast<BitmapButtonWidget *>(widget());
}
