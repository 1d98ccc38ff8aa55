// The setup dialog's file commands: choosing the data file, loading and saving a .kvs setup.

#include "correlation/core/CorrSetupFile.h"
#include "correlation/ui/CCorrSetupDlg.h"
#include "data/NumberText.h"
#include "data/SetupFile.h"
#include "mainwnd/DisplayPath.h"
#include "mainwnd/SaveFailedMessage.h"
#include "platform/CFileDialog.h"

#include <array>
#include <cmath>

namespace {

constexpr const char *kDataFileFilter = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||";
constexpr const char *kSetupFileFilter = "ｾｯﾄｱｯﾌﾟ Files (*.kvs)|*.kvs|All Files (*.*)|*.*||";
constexpr std::string_view kSetupExtension = ".kvs";

} // namespace

void CCorrSetupDlg::OnBrowseDataFile()
{
    CFileDialog dialog(
        TRUE, ".csv", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kDataFileFilter);
    dialog.SetInitialDir(folderOf(rs.dataFilePath.empty() ? rs.setupFilePath : rs.dataFilePath));
    if (dialog.DoModal() != IDOK) {
        // The old path stays visible, but OK insists on a fresh choice or a loaded setup.
        rs.dataFileGiven = false;
        return;
    }
    rs.dataFilePath = dialog.GetPathName();
    m_editDataFile.SetWindowText(toDisplayPath(rs.dataFilePath));
    rs.dataFileGiven = true;
    rs.corrSetupChanged[kDataFile] = true;
}

void CCorrSetupDlg::OnOpenSetup()
{
    CFileDialog dialog(
        TRUE, ".kvs", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kSetupFileFilter);
    dialog.SetInitialDir(folderOf(rs.setupFilePath));
    if (dialog.DoModal() != IDOK) {
        m_editSetupFile.SetWindowText("");
        return;
    }
    loadSetup(dialog.GetPathName());
}

void CCorrSetupDlg::loadSetup(const std::string &path)
{
    rs.setupFilePath = path;
    m_editSetupFile.SetWindowText(toDisplayPath(rs.setupFilePath));

    const SetupFileLines file = readCorrSetupFile(rs.setupFilePath);
    if (!file.opened)
        return;
    // Every line read is applied, also from a faulty file: the user finishes the rest by hand.
    int fileLine = 2;
    for (const std::string &text : file.values)
        applyLoadedLine(fileLine++, text);
    if (file.complete)
        rs.corrSetupChanged.fill(false);
    else
        AfxMessageBox("セットアップファイルに誤りがあります、手入力にてセットアップしてください。");
}

void CCorrSetupDlg::applyLoadedLine(int fileLine, std::string_view text)
{
    if (fileLine == 2) {
        // A data file named relative to the setup file opens from any start-up folder.
        const std::string dataFile = resolveAgainstSetupFolder(rs.setupFilePath, text);
        applyCorrSetupLine(rs, fileLine, dataFile);
        m_editDataFile.SetWindowText(toDisplayPath(dataFile));
        return;
    }
    applyCorrSetupLine(rs, fileLine, text);
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
        const bool hasSpeed = rs.plotPeriodMs >= 1;
        m_editPlotSpeed.SetWindowText(hasSpeed ? shown : std::string());
        m_checkPlotSpeed.SetCheck(hasSpeed ? 1 : 0);
        break;
    }
    case 7:
        m_checkAutoScale.SetCheck(rs.corrAutoScale ? 1 : 0);
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
        OFN_CREATEPROMPT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kSetupFileFilter);
    dialog.SetInitialDir(folderOf(rs.setupFilePath));
    if (dialog.DoModal() != IDOK)
        return;
    rs.setupFilePath = dialog.GetPathName();
    m_editSetupFile.SetWindowText(toDisplayPath(rs.setupFilePath));
    if (!rs.setupFilePath.ends_with(kSetupExtension))
        rs.setupFilePath += kSetupExtension;

    // Taken as typed, without OK's range checks: the validity test below guards the file only.
    rs.xColumn = parseInt(fieldText(m_editXColumn));
    rs.yColumn = parseInt(fieldText(m_editYColumn));
    rs.dataStartRow = parseInt(fieldText(m_editStartRow));
    rs.plotPeriodMs = parseInt(fieldText(m_editPlotSpeed));
    const bool autoScale = m_checkAutoScale.GetCheck() != 0;
    if (autoScale) {
        rs.corrFrameXTop = 100.0;
        rs.corrFrameXBottom = -100.0;
        rs.corrFrameYTop = 100.0;
        rs.corrFrameYBottom = -100.0;
    } else {
        rs.corrFrameXTop = parseDouble(fieldText(m_editXTop));
        rs.corrFrameXBottom = parseDouble(fieldText(m_editXBottom));
        rs.corrFrameYTop = parseDouble(fieldText(m_editYTop));
        rs.corrFrameYBottom = parseDouble(fieldText(m_editYBottom));
    }
    rs.corrAutoScale = autoScale;

    if (!saveable()) {
        AfxMessageBox(
            "セットアップ内容に誤りがあります、内容を確認してもう一度保存を行ってください。");
        return;
    }
    CorrSetupValues values;
    values.dataFilePath = rs.dataFilePath;
    values.xColumn = rs.xColumn;
    values.yColumn = rs.yColumn;
    values.dataStartRow = rs.dataStartRow;
    values.plotSpeedMs = m_checkPlotSpeed.GetCheck() != 0 ? rs.plotPeriodMs : 0;
    values.autoScale = autoScale;
    values.frameXTop = rs.corrFrameXTop;
    values.frameXBottom = rs.corrFrameXBottom;
    values.frameYTop = rs.corrFrameYTop;
    values.frameYBottom = rs.corrFrameYBottom;
    // A file that cannot be written stays as it was, and the flags still ask to save.
    const FileWriteResult written = writeCorrSetupFile(rs.setupFilePath, values);
    if (written)
        rs.corrSetupChanged.fill(false);
    else
        AfxMessageBox(saveFailedMessage(rs.setupFilePath, written.error));
}

bool CCorrSetupDlg::saveable() const
{
    // A frame value that overflowed to infinity would be written as text that reads back as 0.
    const bool finite = std::isfinite(rs.corrFrameXTop) && std::isfinite(rs.corrFrameXBottom)
        && std::isfinite(rs.corrFrameYTop) && std::isfinite(rs.corrFrameYBottom);
    return rs.dataFileGiven && rs.xColumn > 0 && rs.yColumn > 0 && rs.dataStartRow > 0 && finite
        && rs.corrFrameXTop > rs.corrFrameXBottom && rs.corrFrameYTop > rs.corrFrameYBottom;
}
