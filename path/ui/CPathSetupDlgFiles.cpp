// The path setup's file commands: the four file choices with the origin question after a
// background, the teaching output file, and loading and saving a .kvt setup.

#include "data/AtomicFile.h"
#include "data/SetupFile.h"
#include "data/Translate.h"
#include "mainwnd/DisplayPath.h"
#include "mainwnd/SaveFailedMessage.h"
#include "path/core/MapScale.h"
#include "path/core/PathSetupFile.h"
#include "path/ui/CBackgroundOriginDlg.h"
#include "path/ui/CPathSetupDlg.h"
#include "platform/CFileDialog.h"

namespace {

constexpr const char *kBitmapFilter
    = "Image Files (*.bmp *.png *.jpg *.jpeg)|*.bmp;*.png;*.jpg;*.jpeg|BMP Files (*.bmp)|*.bmp|"
      "All Files (*.*)|*.*||";
// A walker is a 24-bit bitmap with white as its mask, or a PNG with its own transparency.
constexpr const char *kWalkerFilter = "BMP/PNG Files (*.bmp *.png)|*.bmp;*.png|BMP Files "
                                      "(*.bmp)|*.bmp|PNG Files (*.png)|*.png|All Files (*.*)|*.*||";
constexpr const char *kDataFileFilter = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||";
constexpr const char *kSetupFileFilter
    = TX_NOOP("PathSetup", "ｾｯﾄｱｯﾌﾟ Files (*.kvt)|*.kvt|All Files (*.*)|*.*||");
constexpr std::string_view kSetupExtension = ".kvt";
constexpr std::string_view kCsvExtension = ".csv";
constexpr DWORD kOpenFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST;
constexpr DWORD kSaveFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT;
constexpr const char *kNoOutputFile
    = TX_NOOP("PathSetup", "保存先ファイルが確定されませんでした。実行できません。");

} // namespace

struct CPathSetupDlg::FileField
{
    CEdit &edit;
    std::string &path;
    bool &given;
    bool &changed;
    const char *filter; // a picture's, unless it is the data file's
};

void CPathSetupDlg::browseFile(const FileField &field)
{
    const bool data = field.filter == kDataFileFilter;
    CFileDialog dialog(TRUE, data ? ".csv" : ".bmp", nullptr, kOpenFlags, field.filter);
    dialog.SetInitialDir(folderOf(field.path.empty() ? ps.setupFilePath : field.path));
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
    browseFile({ m_editBackgroundFile, ps.values.backgroundFilePath, ps.backgroundGiven,
        ps.backgroundChanged, kBitmapFilter });
    if (!ps.backgroundGiven)
        return;
    CBackgroundOriginDlg origin(ps.values);
    if (origin.DoModal() == IDOK)
        showOrigin();
}

void CPathSetupDlg::OnBrowseCharacter()
{
    browseFile({ m_editCharacterFile, ps.values.characterFilePath, ps.characterGiven,
        ps.characterChanged, kWalkerFilter });
}

void CPathSetupDlg::OnBrowseCharacter2()
{
    browseFile({ m_editCharacter2File, ps.values.character2FilePath, ps.character2Given,
        ps.character2Changed, kWalkerFilter });
}

void CPathSetupDlg::OnBrowseDataFile()
{
    m_routeFileAsked = false;
    browseFile({ m_editDataFile, ps.values.dataFilePath, ps.dataFileGiven, ps.dataFileChanged,
        kDataFileFilter });
}

void CPathSetupDlg::OnTeachingCheck()
{
    if (m_checkTeaching.GetCheck() == 0)
        return;
    AfxMessageBox(tx("PathSetup",
        "教示ポイントをチェックした場合。その保存先ファイル（ｃｓｖファイル）を指定して"
        "ください。"));
    CFileDialog dialog(FALSE, ".csv", nullptr, kSaveFlags, kDataFileFilter);
    dialog.SetInitialDir(
        folderOf(ps.values.dataFilePath.empty() ? ps.setupFilePath : ps.values.dataFilePath));
    if (dialog.DoModal() != IDOK) {
        // As a cancelled data-file choice: OK says that no data file is given.
        AfxMessageBox(tx("PathSetup", kNoOutputFile));
        ps.values.dataFilePath.clear();
        m_editDataFile.SetWindowText("");
        ps.dataFileGiven = ps.dataFileChanged = false;
        return;
    }
    ps.values.dataFilePath = dialog.GetPathName();
    m_editDataFile.SetWindowText(toDisplayPath(ps.values.dataFilePath));
    if (!ps.values.dataFilePath.ends_with(kCsvExtension))
        ps.values.dataFilePath += kCsvExtension;
    // The file is only checked here: it keeps its content until play writes the route.
    if (!checkReplaceable(ps.values.dataFilePath)) {
        AfxMessageBox(tx("PathSetup", kNoOutputFile));
        ps.values.dataFilePath.clear();
        m_editDataFile.SetWindowText("");
        ps.dataFileGiven = ps.dataFileChanged = false;
        return;
    }
    ps.dataFileGiven = true;
    ps.dataFileChanged = true;
    m_routeFileAsked = true; // the save dialog asked before a file there is replaced
}

void CPathSetupDlg::OnLoadSetup()
{
    CFileDialog dialog(
        TRUE, ".kvt", nullptr, kOpenFlags, tx("PathSetup", kSetupFileFilter).c_str());
    dialog.SetInitialDir(folderOf(ps.setupFilePath));
    if (dialog.DoModal() != IDOK) {
        m_editSetupFile.SetWindowText("");
        return;
    }
    loadSetup(dialog.GetPathName());
}

void CPathSetupDlg::loadSetup(const std::string &path)
{
    m_editSetupFile.SetWindowText(toDisplayPath(path));
    PathSetupEntries shown = entries();
    const PathSetupLoad load = loadPathSetup(ps, shown, path);
    for (int fileLine = 2; fileLine < 2 + load.linesRead; ++fileLine)
        showLoadedLine(fileLine, shown);
    m_time.show(shown.time);
    m_editMapScale.SetWindowText(formatMapScale(ps.values.mapUnitsPerPixel));
    if (load.opened)
        m_timeSaved = shown.time;
    for (const PathSetupMessage &message : load.told)
        AfxMessageBox(message.text);
}

void CPathSetupDlg::showLoadedLine(int fileLine, const PathSetupEntries &shown)
{
    const auto showFile = [](CEdit &edit, const std::string &path, bool given) {
        edit.SetWindowText(given ? toDisplayPath(path) : std::string());
    };
    switch (fileLine) {
    case 2:
        showFile(m_editBackgroundFile, ps.values.backgroundFilePath, ps.backgroundGiven);
        break;
    case 3:
        m_editOriginX.SetWindowText(shown.originX);
        break;
    case 4:
        m_editOriginY.SetWindowText(shown.originY);
        break;
    case 5:
        showFile(m_editCharacterFile, ps.values.characterFilePath, ps.characterGiven);
        break;
    case 6:
        showFile(m_editCharacter2File, ps.values.character2FilePath, ps.character2Given);
        break;
    case 7:
        showFile(m_editDataFile, ps.values.dataFilePath, ps.dataFileGiven);
        break;
    default:
        break;
    }
}

void CPathSetupDlg::OnSaveSetup()
{
    CFileDialog dialog(
        FALSE, ".kvt", nullptr, kSaveFlags, tx("PathSetup", kSetupFileFilter).c_str());
    dialog.SetInitialDir(folderOf(ps.setupFilePath));
    if (dialog.DoModal() != IDOK)
        return;
    ps.setupFilePath = dialog.GetPathName();
    m_editSetupFile.SetWindowText(toDisplayPath(ps.setupFilePath));
    if (!ps.setupFilePath.ends_with(kSetupExtension))
        ps.setupFilePath += kSetupExtension;
    if (!ps.dataFileGiven) {
        AfxMessageBox(tx("PathSetup",
            "セットアップ内容に誤りがあります、内容を確認してもう一度保存を行ってください。"));
        return;
    }
    PathSetupValues values = ps.values;
    // The time column as shown; one that names no column is not saved (OK tells about it).
    if (const auto time = timeColumnFromEntries(m_time.entries()))
        values.time = ps.values.time = *time;
    values.backgroundFilePath = ps.backgroundGiven ? ps.values.backgroundFilePath : std::string();
    values.characterFilePath = ps.characterGiven ? ps.values.characterFilePath : std::string();
    values.character2FilePath = ps.character2Given ? ps.values.character2FilePath : std::string();
    // A file that cannot be written stays as it was, and the flags still ask to save.
    const FileWriteResult written = writePathSetupFile(ps.setupFilePath, values);
    if (written)
        clearChangedFlags();
    else
        AfxMessageBox(saveFailedMessage(ps.setupFilePath, written));
}
