// The setup dialog's file commands: choosing the data file, loading and saving a .kvs setup.

#include "correlation/core/CorrSetupFile.h"
#include "correlation/ui/CCorrSetupDlg.h"
#include "data/NumberText.h"
#include "data/SetupFile.h"
#include "data/Translate.h"
#include "mainwnd/DisplayPath.h"
#include "mainwnd/SaveFailedMessage.h"
#include "platform/CFileDialog.h"

#include <array>
#include <cmath>

namespace {

constexpr const char *kDataFileFilter = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||";
constexpr const char *kSetupFileFilter
    = TX_NOOP("CorrSetup", "ｾｯﾄｱｯﾌﾟ Files (*.kvs)|*.kvs|All Files (*.*)|*.*||");
constexpr std::string_view kSetupExtension = ".kvs";

} // namespace

void CCorrSetupDlg::OnBrowseDataFile()
{
    CFileDialog dialog(
        TRUE, ".csv", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kDataFileFilter);
    dialog.SetInitialDir(
        folderOf(cs.values.dataFilePath.empty() ? cs.setupFilePath : cs.values.dataFilePath));
    if (dialog.DoModal() != IDOK) {
        // The old path stays visible, but OK insists on a fresh choice or a loaded setup.
        cs.dataFileGiven = false;
        return;
    }
    cs.values.dataFilePath = dialog.GetPathName();
    m_editDataFile.SetWindowText(toDisplayPath(cs.values.dataFilePath));
    cs.dataFileGiven = true;
    cs.changed[kDataFile] = true;
}

void CCorrSetupDlg::OnOpenSetup()
{
    CFileDialog dialog(TRUE, ".kvs", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
        tx("CorrSetup", kSetupFileFilter).c_str());
    dialog.SetInitialDir(folderOf(cs.setupFilePath));
    if (dialog.DoModal() != IDOK) {
        m_editSetupFile.SetWindowText("");
        return;
    }
    loadSetup(dialog.GetPathName());
}

void CCorrSetupDlg::loadSetup(const std::string &path)
{
    m_editSetupFile.SetWindowText(toDisplayPath(path));
    CorrSetupEntries shown = entries();
    const CorrSetupLoad load = loadCorrSetup(cs, shown, path);
    if (load.linesRead > 0) {
        m_editDataFile.SetWindowText(toDisplayPath(cs.values.dataFilePath));
        showEntries(shown);
    }
    for (const CorrSetupMessage &message : load.told)
        AfxMessageBox(message.text);
}

void CCorrSetupDlg::OnSaveSetup()
{
    CFileDialog dialog(FALSE, ".kvs", nullptr,
        OFN_CREATEPROMPT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
        tx("CorrSetup", kSetupFileFilter).c_str());
    dialog.SetInitialDir(folderOf(cs.setupFilePath));
    if (dialog.DoModal() != IDOK)
        return;
    cs.setupFilePath = dialog.GetPathName();
    m_editSetupFile.SetWindowText(toDisplayPath(cs.setupFilePath));
    if (!cs.setupFilePath.ends_with(kSetupExtension))
        cs.setupFilePath += kSetupExtension;

    const CorrSetupValues values = valuesToSave();
    if (!saveable()) {
        AfxMessageBox(tx("CorrSetup",
            "セットアップ内容に誤りがあります、内容を確認してもう一度保存を行ってください。"));
        return;
    }
    // A file that cannot be written stays as it was, and the flags still ask to save.
    const FileWriteResult written = writeCorrSetupFile(cs.setupFilePath, values);
    if (written)
        cs.changed.fill(false);
    else
        AfxMessageBox(saveFailedMessage(cs.setupFilePath, written));
}

CorrSetupValues CCorrSetupDlg::valuesToSave()
{
    const bool autoScale = m_checkAutoScale.GetCheck() != 0;
    if (!m_savingAccepted) {
        // The save button takes the edits as typed; OK checks them again and puts back what it
        // refuses.
        cs.values.xColumn = parseInt(fieldText(m_editXColumn));
        cs.values.yColumn = parseInt(fieldText(m_editYColumn));
        cs.values.dataStartRow = parseInt(fieldText(m_editStartRow));
        cs.values.plotSpeedMs = parseInt(fieldText(m_editPlotSpeed));
        if (!autoScale) {
            cs.values.frameXTop = parseDouble(fieldText(m_editXTop));
            cs.values.frameXBottom = parseDouble(fieldText(m_editXBottom));
            cs.values.frameYTop = parseDouble(fieldText(m_editYTop));
            cs.values.frameYBottom = parseDouble(fieldText(m_editYBottom));
        }
        cs.values.autoScale = autoScale;
        cs.values.fitFrame = m_checkFitFrame.GetCheck() != 0;
        cs.values.axisTitles = m_checkAxisTitles.GetCheck() != 0;
        // A column that names none is not saved; OK tells about it.
        if (const auto time = timeColumnFromEntries(m_time.entries()))
            cs.values.time = *time;
    }
    if (autoScale) {
        cs.values.frameXTop = 100.0;
        cs.values.frameXBottom = -100.0;
        cs.values.frameYTop = 100.0;
        cs.values.frameYBottom = -100.0;
    }
    CorrSetupValues values = cs.values;
    // OK has already stored 0 for an unchecked plot speed.
    if (!m_savingAccepted && m_checkPlotSpeed.GetCheck() == 0)
        values.plotSpeedMs = 0;
    return values;
}

bool CCorrSetupDlg::saveable() const
{
    // A frame value that overflowed to infinity would be written as text that reads back as 0.
    const bool finite = std::isfinite(cs.values.frameXTop) && std::isfinite(cs.values.frameXBottom)
        && std::isfinite(cs.values.frameYTop) && std::isfinite(cs.values.frameYBottom);
    return cs.dataFileGiven && cs.values.xColumn > 0 && cs.values.yColumn > 0
        && cs.values.dataStartRow > 0 && finite && cs.values.frameXTop > cs.values.frameXBottom
        && cs.values.frameYTop > cs.values.frameYBottom;
}
