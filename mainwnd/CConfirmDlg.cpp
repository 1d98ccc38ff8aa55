#include "mainwnd/CConfirmDlg.h"

#include "res/ControlIds.h"
#include "res/DialogTemplates.h"

#include <utility>

CConfirmDlg::CConfirmDlg(std::string question, CWnd *parent)
    : CDialog(confirmDialogTemplate(), parent)
    , m_question(std::move(question))
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
    m_editMessage.SetWindowText(m_question);
    return TRUE;
}

bool confirm(const std::string &question)
{
    CConfirmDlg dialog(question);
    return dialog.DoModal() == IDOK;
}
