#pragma once

#include "mainwnd/RunState.h"
#include "platform/CDialog.h"
#include "platform/Controls.h"

// Asks the question the caller left in confirmMessage; DoModal gives IDOK or IDCANCEL.
class CConfirmDlg : public CDialog
{
public:
    explicit CConfirmDlg(RunState &rs, CWnd *parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *dx) override;

private:
    RunState &rs;
    CEdit m_editMessage;
};
