#include "path/ui/CConfirmDlg.h"

#include "res/ControlIds.h"
#include "res/DialogTemplates.h"

CConfirmDlg::CConfirmDlg(RunState &state, CWnd *parent)
    : CDialog(confirmDialogTemplate(), parent)
    , rs(state)
{
}

void CConfirmDlg::DoDataExchange(CDataExchange *dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CONFIRM_TEXT, m_editMessage);
}

BOOL CConfirmDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editMessage.SetWindowText(rs.confirmMessage);
    return TRUE;
}
