#pragma once

// An owner-drawn button that shows one bitmap when up and another while pressed. Loading the
// same bitmap as both images makes it show one face whatever its state.

#include "platform/BitmapButtonWidget.h"
#include "platform/Controls.h"

class CBitmapButton : public CButton
{
public:
    // Takes over the dialog's owner-drawn button of that id.
    BOOL SubclassDlgItem(int id, class CDialog *parent);
    BOOL LoadBitmaps(int upId, int downId);
    void SizeToContent();
    BitmapButtonWidget *faceWidget() const;
};
