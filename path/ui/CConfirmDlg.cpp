#include "path/ui/CConfirmDlg.h"

#include "res/DialogTemplates.h"

CConfirmDlg::CConfirmDlg(RunState &state, CWnd *parent)
    : CDialog(confirmDialogTemplate(), parent)
    , rs(state)
{
}

void CConfirmDlg::DoDataExchange(CDataExchange *dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, 1034, m_editMessage);
}

BOOL CConfirmDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editMessage.SetWindowText(rs.confirmMessage);
    return TRUE;
}
