#include "path/ui/CBackgroundOriginDlg.h"

#include "data/NumberText.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"

namespace {

// The leading number of the entry, as a 20-byte buffer holds it; an empty entry is 0.0.
double originValue(const CEdit &edit)
{
    char buffer[20];
    edit.GetWindowText(buffer, static_cast<int>(sizeof buffer));
    return parseDouble(buffer);
}

} // namespace

CBackgroundOriginDlg::CBackgroundOriginDlg(PathSetupValues &setup, CWnd *parent)
    : CDialog(backgroundOriginDialogTemplate(), parent)
    , m_setup(setup)
{
}

void CBackgroundOriginDlg::DoDataExchange(CDataExchange *dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ORIGIN_X, m_editX);
    DDX_Control(dx, IDC_ORIGIN_Y, m_editY);
}

BOOL CBackgroundOriginDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Always 0.0: the origin belongs to the background just chosen, not to the previous one.
    m_editX.SetWindowText("0.0");
    m_editY.SetWindowText("0.0");
    return TRUE;
}

void CBackgroundOriginDlg::OnOK()
{
    m_setup.originX = originValue(m_editX);
    m_setup.originY = originValue(m_editY);
    CDialog::OnOK();
}
