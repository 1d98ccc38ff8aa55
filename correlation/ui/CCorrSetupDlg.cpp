#include "correlation/ui/CCorrSetupDlg.h"

#include "data/NumberText.h"
#include "data/Translate.h"
#include "mainwnd/CConfirmDlg.h"
#include "mainwnd/DisplayPath.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kMaxColumnOrRow = 10000;
constexpr int kMinPlotPeriodMs = 50;
constexpr int kMaxPlotPeriodMs = 10000;

} // namespace

BEGIN_MESSAGE_MAP(CCorrSetupDlg)
ON_BN_CLICKED(IDC_CORR_BROWSE_DATA, OnBrowseDataFile)
ON_BN_CLICKED(IDC_CORR_LOAD_SETUP, OnOpenSetup)
ON_BN_CLICKED(IDC_CORR_SAVE_SETUP, OnSaveSetup)
END_MESSAGE_MAP()

CCorrSetupDlg::CCorrSetupDlg(CorrSetup &setup, CWnd *parent)
    : CDialog(corrSetupDialogTemplate(), parent)
    , cs(setup)
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
    if (cs.done)
        showCurrentSetup();
    else
        showDefaults();
    cs.changed.fill(false);
    m_accepted = cs.values;
    if (!cs.fileToLoad.empty())
        loadSetup(std::exchange(cs.fileToLoad, {}));
    return TRUE;
}

void CCorrSetupDlg::showCurrentSetup()
{
    m_editDataFile.SetWindowText(toDisplayPath(cs.values.dataFilePath));
    cs.dataFileGiven = true;
    m_editXColumn.SetWindowText(formatInt(cs.values.xColumn));
    m_editYColumn.SetWindowText(formatInt(cs.values.yColumn));
    m_editStartRow.SetWindowText(formatInt(cs.values.dataStartRow));
    // Shown also with the box off, where 0 says that there is no plot speed.
    m_checkPlotSpeed.SetCheck(cs.values.plotSpeedMs > 0 ? 1 : 0);
    m_editPlotSpeed.SetWindowText(formatInt(cs.values.plotSpeedMs));
    m_checkAutoScale.SetCheck(cs.values.autoScale ? 1 : 0);
    m_editXTop.SetWindowText(formatFixed(cs.values.frameXTop, 1));
    m_editXBottom.SetWindowText(formatFixed(cs.values.frameXBottom, 1));
    m_editYTop.SetWindowText(formatFixed(cs.values.frameYTop, 1));
    m_editYBottom.SetWindowText(formatFixed(cs.values.frameYBottom, 1));
}

void CCorrSetupDlg::showDefaults()
{
    m_editStartRow.SetWindowText("1");
    m_editPlotSpeed.SetWindowText("50");
    m_editXColumn.SetWindowText("1");
    m_editYColumn.SetWindowText("2");
    cs.values.xColumn = 1;
    cs.values.yColumn = 2;
    cs.values.dataStartRow = 1;
    cs.values.plotSpeedMs = 50;
    m_checkAutoScale.SetCheck(1);
    m_editXTop.SetWindowText("100.0");
    m_editXBottom.SetWindowText("-100.0");
    m_editYTop.SetWindowText("100.0");
    m_editYBottom.SetWindowText("-100.0");
}

void CCorrSetupDlg::OnOK()
{
    if (!cs.dataFileGiven) {
        AfxMessageBox(tx("CorrSetup", "データファイルが指定されていません。"));
        return;
    }
    if (m_checkAutoScale.GetCheck() == 0) {
        takeFrameValue(m_editXTop, cs.values.frameXTop, kXTop);
        takeFrameValue(m_editXBottom, cs.values.frameXBottom, kXBottom);
        takeFrameValue(m_editYTop, cs.values.frameYTop, kYTop);
        takeFrameValue(m_editYBottom, cs.values.frameYBottom, kYBottom);
    }
    const bool autoScale = m_checkAutoScale.GetCheck() != 0;
    cs.changed[kAutoScale] = autoScale != cs.values.autoScale;
    cs.values.autoScale = autoScale;

    takeColumn(m_editXColumn, cs.values.xColumn, kXColumn);
    takeColumn(m_editYColumn, cs.values.yColumn, kYColumn);

    if (m_checkPlotSpeed.GetCheck() != 0) {
        const int period = parseInt(fieldText(m_editPlotSpeed));
        if (period >= kMinPlotPeriodMs && period <= kMaxPlotPeriodMs) {
            cs.changed[kPlotSpeed] = period != cs.values.plotSpeedMs;
            cs.values.plotSpeedMs = period;
        } else {
            AfxMessageBox(tx("CorrSetup", "プロット速度指定不正です。"));
            cs.values.plotSpeedMs = m_accepted.plotSpeedMs;
        }
    } else {
        cs.values.plotSpeedMs = 0;
    }

    const int row = parseInt(fieldText(m_editStartRow));
    if (row < 1 || row > kMaxColumnOrRow) {
        AfxMessageBox(tx("CorrSetup", "行指定不正です。"));
        return;
    }
    cs.changed[kStartRow] = row != cs.values.dataStartRow;
    cs.values.dataStartRow = row;

    if (std::ranges::any_of(cs.changed, [](bool changed) { return changed; })) {
        if (confirm(tx("CorrSetup",
                "設定内容は、新規もしくは変更されています。設定内容を保存しますか？"))) {
            // The save writes what OK accepted, never a field OK refused.
            m_savingAccepted = true;
            OnSaveSetup();
            m_savingAccepted = false;
        }
    }
    cs.done = true;
    CDialog::OnOK();
}

void CCorrSetupDlg::takeFrameValue(const CEdit &edit, double &stored, CorrSetupField field)
{
    const double value = parseDouble(fieldText(edit));
    cs.changed[field] = value != stored;
    stored = value;
}

void CCorrSetupDlg::takeColumn(const CEdit &edit, int &stored, CorrSetupField field)
{
    const int column = parseInt(fieldText(edit));
    if (column < 1 || column > kMaxColumnOrRow) {
        AfxMessageBox(tx("CorrSetup", "列指定不正です。"));
        stored = field == kXColumn ? m_accepted.xColumn : m_accepted.yColumn;
        return;
    }
    cs.changed[field] = column != stored;
    stored = column;
}

std::string CCorrSetupDlg::fieldText(const CEdit &edit)
{
    char buffer[20];
    edit.GetWindowText(buffer, static_cast<int>(sizeof buffer));
    return buffer;
}
