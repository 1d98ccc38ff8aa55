#pragma once

#include "platform/CDialog.h"
#include "res/DialogTemplates.h"

// The about box: the program's name, version and notice.
class CAboutDlg : public CDialog
{
public:
    CAboutDlg()
        : CDialog(aboutDialogTemplate())
    {
    }
};
