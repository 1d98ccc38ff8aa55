// The setup dialog's file commands: choosing the data file, loading and saving a .kvs setup.

#include "correlation/core/CorrSetupFile.h"
#include "correlation/ui/CCorrSetupDlg.h"
#include "data/NumberText.h"
#include "data/SetupFile.h"
#include "data/SetupPathNote.h"
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
    cs.setupFilePath = path;
    m_editSetupFile.SetWindowText(toDisplayPath(cs.setupFilePath));

    const SetupFileLines file = readCorrSetupFile(cs.setupFilePath);
    if (!file.opened)
        return;
    // Every line read is applied, also from a faulty file: the user finishes the rest by hand.
    int fileLine = 2;
    cs.loadNote.clear();
    for (const std::string &text : file.values)
        applyLoadedLine(fileLine++, text);
    if (!cs.loadNote.empty())
        AfxMessageBox(cs.loadNote);
    if (file.complete)
        cs.changed.fill(false);
    else
        AfxMessageBox(tx("CorrSetup",
            "セットアップファイルに誤りがあります、手入力にてセットアップしてください。"));
}

void CCorrSetupDlg::applyLoadedLine(int fileLine, std::string_view text)
{
    if (fileLine == 2) {
        // A data file named relative to the setup file opens from any start-up folder; one
        // written on another machine is looked for by its name beside the setup file.
        const SetupPath found = findSetupPath(cs.setupFilePath, text);
        // One found nowhere is told by the data reader when the run starts.
        if (found.besideSetup)
            addSetupPathNote(cs.loadNote, found, text);
        applyCorrSetupLine(cs, fileLine, found.path);
        m_editDataFile.SetWindowText(toDisplayPath(found.path));
        return;
    }
    applyCorrSetupLine(cs, fileLine, text);
    const std::string shown(text);
    const std::array<CEdit *, 4> frameEdits { &m_editXTop, &m_editXBottom, &m_editYTop,
        &m_editYBottom };
    switch (fileLine) {
    case 3:
        m_editXColumn.SetWindowText(shown);
        break;
    case 4:
        m_editYColumn.SetWindowText(shown);
        break;
    case 5:
        m_editStartRow.SetWindowText(shown);
        break;
    case 6: {
        const bool hasSpeed = cs.values.plotSpeedMs >= 1;
        m_editPlotSpeed.SetWindowText(hasSpeed ? shown : std::string());
        m_checkPlotSpeed.SetCheck(hasSpeed ? 1 : 0);
        break;
    }
    case 7:
        m_checkAutoScale.SetCheck(cs.values.autoScale ? 1 : 0);
        break;
    case 8:
    case 9:
    case 10:
    case 11:
        frameEdits[static_cast<std::size_t>(fileLine - 8)]->SetWindowText(shown);
        break;
    default:
        break;
    }
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
