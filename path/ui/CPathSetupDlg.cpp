#include "path/ui/CPathSetupDlg.h"

#include "data/NumberText.h"
#include "data/Translate.h"
#include "mainwnd/CConfirmDlg.h"
#include "mainwnd/DisplayPath.h"
#include "path/core/CharacterSprite.h"
#include "path/ui/BackgroundFile.h"
#include "platform/CBitmap.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"

#include <filesystem>
#include <utility>

namespace {

constexpr int kMinMoveTimeMs = 10;
constexpr int kMaxMoveTimeMs = 10000;
constexpr int kDefaultMoveTimeMs = 1000;
constexpr int kMinDivisions = 1;
constexpr int kMaxDivisions = 100;
constexpr int kDefaultDivisions = 10;

} // namespace

BEGIN_MESSAGE_MAP(CPathSetupDlg)
ON_BN_CLICKED(IDC_PATH_BROWSE_BACKGROUND, OnBrowseBackground)
ON_BN_CLICKED(IDC_PATH_BROWSE_CHARACTER, OnBrowseCharacter)
ON_BN_CLICKED(IDC_PATH_BROWSE_CHARACTER2, OnBrowseCharacter2)
ON_BN_CLICKED(IDC_PATH_BROWSE_DATA, OnBrowseDataFile)
ON_BN_CLICKED(IDC_PATH_TEACHING, OnTeachingCheck)
ON_BN_CLICKED(IDC_PATH_LOAD_SETUP, OnLoadSetup)
ON_BN_CLICKED(IDC_PATH_SAVE_SETUP, OnSaveSetup)
END_MESSAGE_MAP()

CPathSetupDlg::CPathSetupDlg(PathSetup &setup, CWnd *parent)
    : CDialog(pathSetupDialogTemplate(), parent)
    , ps(setup)
{
}

void CPathSetupDlg::DoDataExchange(CDataExchange *dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PATH_DIVISIONS, m_editDivisions);
    DDX_Control(dx, IDC_PATH_ORIGIN_Y, m_editOriginY);
    DDX_Control(dx, IDC_PATH_ORIGIN_X, m_editOriginX);
    DDX_Control(dx, IDC_PATH_MOVE_TIME, m_editMoveTime);
    DDX_Control(dx, IDC_PATH_TEACHING, m_checkTeaching);
    DDX_Control(dx, IDC_PATH_SETUP_FILE, m_editSetupFile);
    DDX_Control(dx, IDC_PATH_CHARACTER2_FILE, m_editCharacter2File);
    DDX_Control(dx, IDC_PATH_DATA_FILE, m_editDataFile);
    DDX_Control(dx, IDC_PATH_CHARACTER_FILE, m_editCharacterFile);
    DDX_Control(dx, IDC_PATH_BACKGROUND_FILE, m_editBackgroundFile);
    DDX_Control(dx, IDC_PATH_LINEAR, m_radioLinear);
    DDX_Control(dx, IDC_PATH_CURVE, m_radioCurve);
}

BOOL CPathSetupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_dataFileBefore = ps.values.dataFilePath;
    m_dataFileGivenBefore = ps.dataFileGiven;
    // Teaching settings are never carried over from an earlier showing.
    m_editMoveTime.SetWindowText("1000");
    m_checkTeaching.SetCheck(0);
    m_editDivisions.SetWindowText("10");
    m_radioLinear.SetCheck(1);
    m_radioCurve.SetCheck(0);
    if (ps.done) {
        showPath(m_editBackgroundFile, ps.values.backgroundFilePath, ps.backgroundGiven);
        ps.values.originX = ps.keptOriginX;
        ps.values.originY = ps.keptOriginY;
        showOrigin();
        showPath(m_editCharacterFile, ps.values.characterFilePath, ps.characterGiven);
        showPath(m_editCharacter2File, ps.values.character2FilePath, ps.character2Given);
        showPath(m_editDataFile, ps.values.dataFilePath, ps.dataFileGiven);
    } else {
        ps.values.originX = ps.values.originY = 0.0;
        m_editOriginX.SetWindowText("0.0");
        m_editOriginY.SetWindowText("0.0");
    }
    clearChangedFlags();
    if (!ps.fileToLoad.empty())
        loadSetup(std::exchange(ps.fileToLoad, {}));
    return TRUE;
}

void CPathSetupDlg::showPath(CEdit &edit, const std::string &path, bool &given)
{
    given = path.size() >= 2;
    edit.SetWindowText(given ? toDisplayPath(path) : std::string());
}

void CPathSetupDlg::showOrigin()
{
    m_editOriginX.SetWindowText(formatFixed(ps.values.originX, 6));
    m_editOriginY.SetWindowText(formatFixed(ps.values.originY, 6));
}

void CPathSetupDlg::clearChangedFlags()
{
    ps.backgroundChanged = ps.characterChanged = ps.character2Changed = ps.dataFileChanged = false;
}

bool CPathSetupDlg::anyChanged() const
{
    return ps.backgroundChanged || ps.characterChanged || ps.character2Changed
        || ps.dataFileChanged;
}

void CPathSetupDlg::OnOK()
{
    const bool teaching = m_checkTeaching.GetCheck() != 0;
    ps.route.curve = m_radioCurve.GetCheck() != 0;
    ps.source = teaching ? PathSource::Teaching : PathSource::DataFile;

    const std::string checkAgain = tx("PathSetup",
        "セットアップ内容に誤りがあります、内容を確認してもう一度ＯＫをクリックしてください。");
    if (!teaching && !ps.dataFileGiven) {
        ps.done = false;
        AfxMessageBox(tx("PathSetup", "データファイルが指定されていません。"));
        AfxMessageBox(checkAgain);
        return;
    }
    if (teaching && !ps.dataFileGiven) {
        ps.done = false;
        AfxMessageBox(tx("PathSetup", "データファイルが指定されていません。"));
        AfxMessageBox(checkAgain);
        return;
    }
    if (teaching && !ps.dataFileChanged) {
        // A route file must be chosen in this showing: an old one would be overwritten unasked.
        if (!ps.dataFileChanged)
            ps.dataFileGiven = false;
        ps.done = false;
        AfxMessageBox(checkAgain);
        return;
    }

    // A file chosen with the open dialog is replaced by the route at play: only when asked.
    if (teaching && !m_routeFileAsked && std::filesystem::exists(ps.values.dataFilePath)
        && !confirm(
            tx("PathSetup",
                "教示ポイントの保存先ファイルは既にあります。再生時に経路で上書きしますか？")
            + "\n" + ps.values.dataFilePath)) {
        ps.done = false;
        return;
    }
    if (!checkFiles()) {
        ps.done = false;
        return;
    }

    if (teaching) {
        const int moveTime = parseInt(fieldText(m_editMoveTime));
        if (moveTime < kMinMoveTimeMs || moveTime > kMaxMoveTimeMs) {
            AfxMessageBox(tx("PathSetup", "点間のインターバル 指定不正です。"));
            ps.route.moveTimeMs = kDefaultMoveTimeMs;
        } else {
            ps.route.moveTimeMs = moveTime;
        }
        const int divisions = parseInt(fieldText(m_editDivisions));
        if (divisions < kMinDivisions || divisions > kMaxDivisions) {
            AfxMessageBox(tx("PathSetup", "点間の分割数 指定不正です。"));
            ps.route.divisionCount = kDefaultDivisions;
            return;
        }
        ps.route.divisionCount = divisions;
        ps.route.plotPeriodMs = ps.route.moveTimeMs / ps.route.divisionCount;
    }
    ps.done = true;
    ps.keptOriginX = ps.values.originX;
    ps.keptOriginY = ps.values.originY;

    if (anyChanged()) {
        if (confirm(tx(
                "PathSetup", "設定内容は、新規もしくは変更されています。設定内容を保存しますか？")))
            OnSaveSetup();
    }
    CDialog::OnOK();
}

void CPathSetupDlg::OnCancel()
{
    ps.values.dataFilePath = m_dataFileBefore;
    ps.dataFileGiven = m_dataFileGivenBefore;
    CDialog::OnCancel();
}

bool CPathSetupDlg::checkFiles()
{
    if (ps.backgroundGiven) {
        CBitmap trial;
        const std::string reason = loadBackgroundFile(ps.values.backgroundFilePath, trial);
        if (!reason.empty()) {
            AfxMessageBox(backgroundFailedMessage(ps.values.backgroundFilePath, reason, true));
            return false;
        }
    }
    // A character that cannot be used is told; the run walks without it.
    ps.charactersTold.clear();
    CharacterImages images;
    const std::pair<bool, const std::string &> characters[]
        = { { ps.characterGiven, ps.values.characterFilePath },
              { ps.character2Given, ps.values.character2FilePath } };
    for (const auto &[given, path] : characters) {
        if (!given || ps.charactersTold.contains(path))
            continue;
        const CharacterLoadResult result = loadCharacterBitmap(images, path, 1);
        if (result != CharacterLoadResult::Loaded) {
            AfxMessageBox(characterFaultMessage(path, result));
            ps.charactersTold.insert(path);
        }
    }
    return true;
}

std::string CPathSetupDlg::fieldText(const CEdit &edit)
{
    char buffer[20];
    edit.GetWindowText(buffer, static_cast<int>(sizeof buffer));
    return buffer;
}
