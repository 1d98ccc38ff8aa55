#include "correlation/ui/CCorrSetupDlg.h"

#include "data/NumberText.h"
#include "mainwnd/DisplayPath.h"
#include "path/ui/CConfirmDlg.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kMaxColumnOrRow = 10000;
constexpr int kMinPlotPeriodMs = 50;
constexpr int kMaxPlotPeriodMs = 10000;
constexpr int kSourceDataFile = 3;

} // namespace

BEGIN_MESSAGE_MAP(CCorrSetupDlg)
ON_BN_CLICKED(IDC_CORR_BROWSE_DATA, OnBrowseDataFile)
ON_BN_CLICKED(IDC_CORR_LOAD_SETUP, OnOpenSetup)
ON_BN_CLICKED(IDC_CORR_SAVE_SETUP, OnSaveSetup)
END_MESSAGE_MAP()

CCorrSetupDlg::CCorrSetupDlg(RunState &state, CWnd *parent)
    : CDialog(corrSetupDialogTemplate(), parent)
    , rs(state)
{
}

void CCorrSetupDlg::DoDataExchange(CDataExchange *dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CORR_Y_BOTTOM, m_editYBottom);
    DDX_Control(dx, IDC_CORR_Y_TOP, m_editYTop);
    DDX_Control(dx, IDC_CORR_X_BOTTOM, m_editXBottom);
    DDX_Control(dx, IDC_CORR_X_TOP, m_editXTop);
    DDX_Control(dx, IDC_CORR_AUTO_SCALE, m_checkAutoScale);
    DDX_Control(dx, IDC_CORR_PLOT_SPEED_CHECK, m_checkPlotSpeed);
    DDX_Control(dx, IDC_CORR_START_ROW, m_editStartRow);
    DDX_Control(dx, IDC_CORR_DATA_FILE, m_editDataFile);
    DDX_Control(dx, IDC_CORR_SETUP_FILE, m_editSetupFile);
    DDX_Control(dx, IDC_CORR_PLOT_SPEED, m_editPlotSpeed);
    DDX_Control(dx, IDC_CORR_Y_COLUMN, m_editYColumn);
    DDX_Control(dx, IDC_CORR_X_COLUMN, m_editXColumn);
}

BOOL CCorrSetupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (rs.corrSetupDone)
        showCurrentSetup();
    else
        showDefaults();
    rs.corrSetupChanged.fill(false);
    if (!rs.setupFileToLoad.empty())
        loadSetup(std::exchange(rs.setupFileToLoad, {}));
    return TRUE;
}

void CCorrSetupDlg::showCurrentSetup()
{
    m_editDataFile.SetWindowText(toDisplayPath(rs.dataFilePath));
    rs.dataFileGiven = true;
    m_editXColumn.SetWindowText(formatInt(rs.xColumn));
    m_editYColumn.SetWindowText(formatInt(rs.yColumn));
    m_editStartRow.SetWindowText(formatInt(rs.dataStartRow));
    // Shown also with the box off, where 0 says that there is no plot speed.
    m_checkPlotSpeed.SetCheck(rs.plotPeriodMs > 0 ? 1 : 0);
    m_editPlotSpeed.SetWindowText(formatInt(rs.plotPeriodMs));
    m_checkAutoScale.SetCheck(rs.corrAutoScale ? 1 : 0);
    m_editXTop.SetWindowText(formatFixed(rs.corrFrameXTop, 1));
    m_editXBottom.SetWindowText(formatFixed(rs.corrFrameXBottom, 1));
    m_editYTop.SetWindowText(formatFixed(rs.corrFrameYTop, 1));
    m_editYBottom.SetWindowText(formatFixed(rs.corrFrameYBottom, 1));
}

void CCorrSetupDlg::showDefaults()
{
    m_editStartRow.SetWindowText("1");
    m_editPlotSpeed.SetWindowText("50");
    m_editXColumn.SetWindowText("1");
    m_editYColumn.SetWindowText("2");
    rs.xColumn = 1;
    rs.yColumn = 2;
    rs.dataStartRow = 1;
    rs.plotPeriodMs = 50;
    m_checkAutoScale.SetCheck(1);
    m_editXTop.SetWindowText("100.0");
    m_editXBottom.SetWindowText("-100.0");
    m_editYTop.SetWindowText("100.0");
    m_editYBottom.SetWindowText("-100.0");
}

void CCorrSetupDlg::OnOK()
{
    CConfirmDlg confirm(rs);
    rs.sourceMode = kSourceDataFile;
    if (!rs.dataFileGiven) {
        AfxMessageBox("データファイルが指定されていません。");
        return;
    }
    rs.useYColumn = true;

    if (m_checkAutoScale.GetCheck() == 0) {
        takeFrameValue(m_editXTop, rs.corrFrameXTop, kXTop);
        takeFrameValue(m_editXBottom, rs.corrFrameXBottom, kXBottom);
        takeFrameValue(m_editYTop, rs.corrFrameYTop, kYTop);
        takeFrameValue(m_editYBottom, rs.corrFrameYBottom, kYBottom);
    }
    const bool autoScale = m_checkAutoScale.GetCheck() != 0;
    rs.corrSetupChanged[kAutoScale] = autoScale != rs.corrAutoScale;
    rs.corrAutoScale = autoScale;

    takeColumn(m_editXColumn, rs.xColumn, kXColumn);
    takeColumn(m_editYColumn, rs.yColumn, kYColumn);

    if (m_checkPlotSpeed.GetCheck() != 0) {
        const int period = parseInt(fieldText(m_editPlotSpeed));
        if (period >= kMinPlotPeriodMs && period <= kMaxPlotPeriodMs) {
            rs.corrSetupChanged[kPlotSpeed] = period != rs.plotPeriodMs;
            rs.plotPeriodMs = period;
        } else {
            AfxMessageBox("プロット速度指定不正です。");
        }
    } else {
        rs.plotPeriodMs = 0;
    }

    const int row = parseInt(fieldText(m_editStartRow));
    if (row < 1 || row > kMaxColumnOrRow) {
        AfxMessageBox("行指定不正です。");
        return;
    }
    rs.corrSetupChanged[kStartRow] = row != rs.dataStartRow;
    rs.dataStartRow = row;

    if (std::ranges::any_of(rs.corrSetupChanged, [](bool changed) { return changed; })) {
        rs.confirmMessage = "設定内容は、新規もしくは変更されています。設定内容を保存しますか？";
        if (confirm.DoModal() == IDOK)
            OnSaveSetup();
    }
    rs.corrSetupDone = true;
    CDialog::OnOK();
}

void CCorrSetupDlg::takeFrameValue(const CEdit &edit, double &stored, Field field)
{
    const double value = parseDouble(fieldText(edit));
    rs.corrSetupChanged[field] = value != stored;
    stored = value;
}

void CCorrSetupDlg::takeColumn(const CEdit &edit, int &stored, Field field)
{
    const int column = parseInt(fieldText(edit));
    if (column < 1 || column > kMaxColumnOrRow) {
        AfxMessageBox("列指定不正です。");
        return;
    }
    rs.corrSetupChanged[field] = column != stored;
    stored = column;
}

std::string CCorrSetupDlg::fieldText(const CEdit &edit)
{
    char buffer[20];
    edit.GetWindowText(buffer, static_cast<int>(sizeof buffer));
    return buffer;
}
