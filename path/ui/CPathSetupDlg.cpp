#include "path/ui/CPathSetupDlg.h"

#include "data/NumberText.h"
#include "mainwnd/DisplayPath.h"
#include "path/ui/CConfirmDlg.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"

namespace {

constexpr int kSourceTeaching = 1;
constexpr int kSourceDataFile = 3;
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

CPathSetupDlg::CPathSetupDlg(RunState &state, CWnd *parent)
    : CDialog(pathSetupDialogTemplate(), parent)
    , rs(state)
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
    // Teaching settings are never carried over from an earlier showing.
    m_editMoveTime.SetWindowText("1000");
    m_checkTeaching.SetCheck(0);
    m_editDivisions.SetWindowText("10");
    m_radioLinear.SetCheck(1);
    m_radioCurve.SetCheck(0);
    if (rs.pathSetupDone) {
        showPath(m_editBackgroundFile, rs.backgroundFilePath, rs.backgroundGiven);
        rs.originX = rs.keptOriginX;
        rs.originY = rs.keptOriginY;
        showOrigin();
        showPath(m_editCharacterFile, rs.characterFilePath, rs.characterGiven);
        showPath(m_editCharacter2File, rs.character2FilePath, rs.character2Given);
        showPath(m_editDataFile, rs.dataFilePath, rs.dataFileGiven);
    } else {
        m_editOriginX.SetWindowText("0.0");
        m_editOriginY.SetWindowText("0.0");
    }
    clearChangedFlags();
    return TRUE;
}

void CPathSetupDlg::showPath(CEdit &edit, const std::string &path, bool &given)
{
    given = path.size() >= 2;
    edit.SetWindowText(given ? toDisplayPath(path) : std::string());
}

void CPathSetupDlg::showOrigin()
{
    m_editOriginX.SetWindowText(formatFixed(rs.originX, 6));
    m_editOriginY.SetWindowText(formatFixed(rs.originY, 6));
}

void CPathSetupDlg::clearChangedFlags()
{
    rs.pathBackgroundFileChanged = rs.pathCharacterFileChanged = rs.pathCharacter2FileChanged
        = rs.pathDataFileChanged = false;
}

bool CPathSetupDlg::anyChanged() const
{
    return rs.pathBackgroundFileChanged || rs.pathCharacterFileChanged
        || rs.pathCharacter2FileChanged || rs.pathDataFileChanged;
}

void CPathSetupDlg::OnOK()
{
    CConfirmDlg confirm(rs);
    const bool teaching = m_checkTeaching.GetCheck() != 0;
    rs.linearInterpolation = m_radioLinear.GetCheck() != 0;
    rs.curveInterpolation = m_radioCurve.GetCheck() != 0;
    rs.sourceMode = teaching ? kSourceTeaching : kSourceDataFile;

    const char *const checkAgain
        = "セットアップ内容に誤りがあります、内容を確認してもう一度ＯＫをクリックしてください。";
    if (!teaching && !rs.dataFileGiven) {
        rs.pathSetupDone = false;
        AfxMessageBox("データファイルが指定されていません。");
        AfxMessageBox(checkAgain);
        return;
    }
    if (teaching && (!rs.pathDataFileChanged || !rs.dataFileGiven)) {
        // A route file must be chosen in this showing: an old one would be overwritten unasked.
        if (!rs.pathDataFileChanged)
            rs.dataFileGiven = false;
        rs.pathSetupDone = false;
        AfxMessageBox(checkAgain);
        return;
    }

    rs.xColumn = 1;
    rs.yColumn = 2;
    rs.directionColumn = 3;
    rs.interpSpeedColumn = 4;
    rs.plotSpeedColumn = 5;
    rs.dataStartRow = 2;
    rs.useYColumn = rs.useDirectionColumn = rs.useInterpSpeedColumn = rs.usePlotSpeedColumn = true;

    if (teaching) {
        const int moveTime = parseInt(fieldText(m_editMoveTime));
        if (moveTime < kMinMoveTimeMs || moveTime > kMaxMoveTimeMs) {
            AfxMessageBox("点間のインターバル 指定不正です。");
            rs.teachMoveTimeMs = kDefaultMoveTimeMs;
        } else {
            rs.teachMoveTimeMs = moveTime;
        }
        const int divisions = parseInt(fieldText(m_editDivisions));
        if (divisions < kMinDivisions || divisions > kMaxDivisions) {
            AfxMessageBox("点間の分割数 指定不正です。");
            rs.divisionCount = kDefaultDivisions;
            return;
        }
        rs.divisionCount = divisions;
        rs.plotPeriodMs = rs.teachMoveTimeMs / rs.divisionCount;
    }
    rs.pathSetupDone = true;
    rs.keptOriginX = rs.originX;
    rs.keptOriginY = rs.originY;

    if (anyChanged()) {
        rs.confirmMessage = "設定内容は、新規もしくは変更されています。設定内容を保存しますか？";
        if (confirm.DoModal() == IDOK)
            OnSaveSetup();
    }
    CDialog::OnOK();
}

std::string CPathSetupDlg::fieldText(const CEdit &edit)
{
    char buffer[20];
    edit.GetWindowText(buffer, static_cast<int>(sizeof buffer));
    return buffer;
}
