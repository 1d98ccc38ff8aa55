#include "correlation/ui/CCorrSetupDlg.h"

#include "data/EntryText.h"
#include "data/NumberText.h"
#include "data/Translate.h"
#include "mainwnd/CConfirmDlg.h"
#include "mainwnd/DisplayPath.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"

#include <algorithm>
#include <utility>

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
    DDX_Control(dx, IDC_CORR_FIT_FRAME, m_checkFitFrame);
    DDX_Control(dx, IDC_CORR_AXIS_TITLES, m_checkAxisTitles);
    DDX_Control(dx, IDC_CORR_PLOT_SPEED_CHECK, m_checkPlotSpeed);
    DDX_Control(dx, IDC_CORR_START_ROW, m_editStartRow);
    DDX_Control(dx, IDC_CORR_DATA_FILE, m_editDataFile);
    DDX_Control(dx, IDC_CORR_SETUP_FILE, m_editSetupFile);
    DDX_Control(dx, IDC_CORR_PLOT_SPEED, m_editPlotSpeed);
    DDX_Control(dx, IDC_CORR_Y_COLUMN, m_editYColumn);
    DDX_Control(dx, IDC_CORR_X_COLUMN, m_editXColumn);
    m_time.exchange(dx);
}

BOOL CCorrSetupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (cs.done)
        showCurrentSetup();
    else
        showEntries(showCorrDefaults(cs));
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
    m_checkFitFrame.SetCheck(cs.values.fitFrame ? 1 : 0);
    m_checkAxisTitles.SetCheck(cs.values.axisTitles ? 1 : 0);
    m_editXTop.SetWindowText(formatFixed(cs.values.frameXTop, 1));
    m_editXBottom.SetWindowText(formatFixed(cs.values.frameXBottom, 1));
    m_editYTop.SetWindowText(formatFixed(cs.values.frameYTop, 1));
    m_editYBottom.SetWindowText(formatFixed(cs.values.frameYBottom, 1));
    m_time.show(timeColumnEntries(cs.values.time));
}

void CCorrSetupDlg::showEntries(const CorrSetupEntries &entries)
{
    m_editXColumn.SetWindowText(entries.xColumn);
    m_editYColumn.SetWindowText(entries.yColumn);
    m_editStartRow.SetWindowText(entries.startRow);
    m_checkPlotSpeed.SetCheck(entries.plotSpeedOn ? 1 : 0);
    m_editPlotSpeed.SetWindowText(entries.plotSpeed);
    m_checkAutoScale.SetCheck(entries.autoScale ? 1 : 0);
    m_checkFitFrame.SetCheck(entries.fitFrame ? 1 : 0);
    m_checkAxisTitles.SetCheck(entries.axisTitles ? 1 : 0);
    m_editXTop.SetWindowText(entries.xTop);
    m_editXBottom.SetWindowText(entries.xBottom);
    m_editYTop.SetWindowText(entries.yTop);
    m_editYBottom.SetWindowText(entries.yBottom);
    m_time.show(entries.time);
}

CorrSetupEntries CCorrSetupDlg::entries() const
{
    return { m_editXColumn.GetWindowText(), m_editYColumn.GetWindowText(),
        m_editStartRow.GetWindowText(), m_editPlotSpeed.GetWindowText(),
        m_checkPlotSpeed.GetCheck() != 0, m_checkAutoScale.GetCheck() != 0,
        m_editXTop.GetWindowText(), m_editXBottom.GetWindowText(), m_editYTop.GetWindowText(),
        m_editYBottom.GetWindowText(), m_checkFitFrame.GetCheck() != 0,
        m_checkAxisTitles.GetCheck() != 0, m_time.entries() };
}

void CCorrSetupDlg::OnOK()
{
    const CorrSetupCheck check = checkCorrSetup(entries(), cs, m_accepted);
    cs.values = check.values;
    cs.changed = check.changed;
    for (const CorrSetupMessage &problem : check.problems)
        AfxMessageBox(problem.text);
    if (!check.accepted)
        return;

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

std::string CCorrSetupDlg::fieldText(const CEdit &edit)
{
    return entryReading(edit.GetWindowText());
}
