#include "path/ui/CTeachPointDlg.h"

#include "app/cli/CommandLine.h"
#include "data/NumberText.h"
#include "data/Translate.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"

CTeachPointDlg::CTeachPointDlg(TaughtPoint &point, TaughtPoint low, TaughtPoint high, CWnd *parent)
    : CDialog(teachPointDialogTemplate(), parent)
    , m_point(point)
    , m_low(low)
    , m_high(high)
{
}

void CTeachPointDlg::DoDataExchange(CDataExchange *dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_POINT_X, m_editX);
    DDX_Control(dx, IDC_POINT_Y, m_editY);
}

BOOL CTeachPointDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editX.SetWindowText(formatFixed(m_point[0], 2));
    m_editY.SetWindowText(formatFixed(m_point[1], 2));
    return TRUE;
}

void CTeachPointDlg::OnOK()
{
    // The whole entry must be a number: "12abc" is a slip of the keys here, not 12.
    const auto x = parseWholeDouble(m_editX.GetWindowText());
    const auto y = parseWholeDouble(m_editY.GetWindowText());
    if (!x || !y) {
        AfxMessageBox(tx("Teaching", "X と Y には数値を入力してください。"));
        return;
    }
    // A point off the map could not be clicked, and would play where nothing is drawn.
    if (*x < m_low[0] || *x > m_high[0] || *y < m_low[1] || *y > m_high[1]) {
        AfxMessageBox(tx("Teaching", "地図の外です。地図の範囲:") + " X " + formatFixed(m_low[0], 2)
            + " ～ " + formatFixed(m_high[0], 2) + ", Y " + formatFixed(m_low[1], 2) + " ～ "
            + formatFixed(m_high[1], 2));
        return;
    }
    m_point = { *x, *y };
    CDialog::OnOK();
}
