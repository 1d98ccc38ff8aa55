// The path setup's file commands: the four file choices with the origin question after a
// background, the teaching output file, and loading and saving a .kvt setup.

#include "data/SetupFile.h"
#include "mainwnd/DisplayPath.h"
#include "mainwnd/SaveFailedMessage.h"
#include "path/core/PathSetupFile.h"
#include "path/ui/CBackgroundOriginDlg.h"
#include "path/ui/CPathSetupDlg.h"
#include "platform/CFileDialog.h"

#include <fstream>

namespace {

constexpr const char *kBitmapFilter = "BMP Files (*.bmp)|*.bmp|All Files (*.*)|*.*||";
constexpr const char *kDataFileFilter = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||";
constexpr const char *kSetupFileFilter = "ｾｯﾄｱｯﾌﾟ Files (*.kvt)|*.kvt|All Files (*.*)|*.*||";
constexpr std::string_view kSetupExtension = ".kvt";
constexpr std::string_view kCsvExtension = ".csv";
constexpr DWORD kOpenFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST;
constexpr DWORD kSaveFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT;
constexpr const char *kNoOutputFile = "保存先ファイルが確定されませんでした。実行できません。";

// An empty file in place of whatever was there: the route file chosen for teaching.
bool createEmptyFile(const std::string &path)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(file);
}

} // namespace

struct CPathSetupDlg::FileField
{
    CEdit &edit;
    std::string &path;
    bool &given;
    bool &changed;
    bool bitmap;
};

void CPathSetupDlg::browseFile(const FileField &field)
{
    CFileDialog dialog(TRUE, field.bitmap ? ".bmp" : ".csv", nullptr, kOpenFlags,
        field.bitmap ? kBitmapFilter : kDataFileFilter);
    dialog.SetInitialDir(folderOf(field.path.empty() ? rs.setupFilePath : field.path));
    if (dialog.DoModal() != IDOK) {
        field.edit.SetWindowText("");
        field.given = false;
        return;
    }
    field.path = dialog.GetPathName();
    field.edit.SetWindowText(toDisplayPath(field.path));
    field.given = true;
    field.changed = true;
}

void CPathSetupDlg::OnBrowseBackground()
{
    browseFile({ m_editBackgroundFile, rs.backgroundFilePath, rs.backgroundGiven,
        rs.pathBackgroundFileChanged, true });
    if (!rs.backgroundGiven)
        return;
    CBackgroundOriginDlg origin(rs);
    if (origin.DoModal() == IDOK)
        showOrigin();
}

void CPathSetupDlg::OnBrowseCharacter()
{
    browseFile({ m_editCharacterFile, rs.characterFilePath, rs.characterGiven,
        rs.pathCharacterFileChanged, true });
}

void CPathSetupDlg::OnBrowseCharacter2()
{
    browseFile({ m_editCharacter2File, rs.character2FilePath, rs.character2Given,
        rs.pathCharacter2FileChanged, true });
}

void CPathSetupDlg::OnBrowseDataFile()
{
    browseFile(
        { m_editDataFile, rs.dataFilePath, rs.dataFileGiven, rs.pathDataFileChanged, false });
}

void CPathSetupDlg::OnTeachingCheck()
{
    if (m_checkTeaching.GetCheck() == 0)
        return;
    AfxMessageBox("教示ポイントをチェックした場合。その保存先ファイル（ｃｓｖファイル）を指定して"
                  "ください。");
    CFileDialog dialog(FALSE, ".csv", nullptr, kSaveFlags, kDataFileFilter);
    dialog.SetInitialDir(folderOf(rs.dataFilePath.empty() ? rs.setupFilePath : rs.dataFilePath));
    if (dialog.DoModal() != IDOK) {
        AfxMessageBox(kNoOutputFile);
        rs.dataFilePath.clear();
        return;
    }
    rs.dataFilePath = dialog.GetPathName();
    m_editDataFile.SetWindowText(toDisplayPath(rs.dataFilePath));
    if (!rs.dataFilePath.ends_with(kCsvExtension))
        rs.dataFilePath += kCsvExtension;
    if (!createEmptyFile(rs.dataFilePath)) {
        AfxMessageBox(kNoOutputFile);
        rs.dataFilePath.clear();
        return;
    }
    rs.dataFileGiven = true;
    rs.pathDataFileChanged = true;
}

void CPathSetupDlg::OnLoadSetup()
{
    CFileDialog dialog(TRUE, ".kvt", nullptr, kOpenFlags, kSetupFileFilter);
    dialog.SetInitialDir(folderOf(rs.setupFilePath));
    if (dialog.DoModal() != IDOK) {
        m_editSetupFile.SetWindowText("");
        return;
    }
    loadSetup(dialog.GetPathName());
}

void CPathSetupDlg::loadSetup(const std::string &path)
{
    rs.setupFilePath = path;
    m_editSetupFile.SetWindowText(toDisplayPath(rs.setupFilePath));

    const SetupFileLines file = readPathSetupFile(rs.setupFilePath);
    if (!file.opened)
        return;
    // Every line read is applied, also from a faulty file: the user finishes the rest by hand.
    int fileLine = 2;
    for (const std::string &text : file.values)
        applyLoadedLine(fileLine++, text);
    if (file.complete)
        clearChangedFlags();
    else
        AfxMessageBox("セットアップファイルに誤りがあります、手入力にてセットアップしてください。");
}

void CPathSetupDlg::applyLoadedLine(int fileLine, std::string_view text)
{
    const bool isPath = fileLine == 2 || fileLine >= 5;
    // A path written relative to the setup file opens from wherever the program was started.
    const std::string value
        = isPath ? resolveAgainstSetupFolder(rs.setupFilePath, text) : std::string(text);
    applyPathSetupLine(rs, fileLine, value);
    switch (fileLine) {
    case 2:
        showPath(m_editBackgroundFile, rs.backgroundFilePath, rs.backgroundGiven);
        break;
    case 3:
        m_editOriginX.SetWindowText(value);
        break;
    case 4:
        m_editOriginY.SetWindowText(value);
        break;
    case 5:
        showPath(m_editCharacterFile, rs.characterFilePath, rs.characterGiven);
        break;
    case 6:
        showPath(m_editCharacter2File, rs.character2FilePath, rs.character2Given);
        break;
    case 7:
        showPath(m_editDataFile, rs.dataFilePath, rs.dataFileGiven);
        break;
    default:
        break;
    }
}

void CPathSetupDlg::OnSaveSetup()
{
    CFileDialog dialog(FALSE, ".kvt", nullptr, kSaveFlags, kSetupFileFilter);
    dialog.SetInitialDir(folderOf(rs.setupFilePath));
    if (dialog.DoModal() != IDOK)
        return;
    rs.setupFilePath = dialog.GetPathName();
    m_editSetupFile.SetWindowText(toDisplayPath(rs.setupFilePath));
    if (!rs.setupFilePath.ends_with(kSetupExtension))
        rs.setupFilePath += kSetupExtension;
    if (!rs.dataFileGiven) {
        AfxMessageBox(
            "セットアップ内容に誤りがあります、内容を確認してもう一度保存を行ってください。");
        return;
    }
    PathSetupValues values;
    values.backgroundFilePath = rs.backgroundGiven ? rs.backgroundFilePath : std::string();
    values.originX = rs.originX;
    values.originY = rs.originY;
    values.characterFilePath = rs.characterGiven ? rs.characterFilePath : std::string();
    values.character2FilePath = rs.character2Given ? rs.character2FilePath : std::string();
    values.dataFilePath = rs.dataFilePath;
    // A file that cannot be written stays as it was, and the flags still ask to save.
    const FileWriteResult written = writePathSetupFile(rs.setupFilePath, values);
    if (written)
        clearChangedFlags();
    else
        AfxMessageBox(saveFailedMessage(rs.setupFilePath, written.error));
}
