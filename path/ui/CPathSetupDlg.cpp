#include "path/ui/CPathSetupDlg.h"

#include "data/NumberText.h"
#include "data/Translate.h"
#include "mainwnd/CConfirmDlg.h"
#include "mainwnd/DisplayPath.h"
#include "path/core/MapScale.h"
#include "path/ui/BackgroundFile.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"

#include <utility>

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
    DDX_Control(dx, IDC_PATH_MAP_SCALE, m_editMapScale);
    DDX_Control(dx, IDC_PATH_MOVE_TIME, m_editMoveTime);
    DDX_Control(dx, IDC_PATH_TEACHING, m_checkTeaching);
    DDX_Control(dx, IDC_PATH_SETUP_FILE, m_editSetupFile);
    DDX_Control(dx, IDC_PATH_CHARACTER2_FILE, m_editCharacter2File);
    DDX_Control(dx, IDC_PATH_DATA_FILE, m_editDataFile);
    DDX_Control(dx, IDC_PATH_CHARACTER_FILE, m_editCharacterFile);
    DDX_Control(dx, IDC_PATH_BACKGROUND_FILE, m_editBackgroundFile);
    DDX_Control(dx, IDC_PATH_LINEAR, m_radioLinear);
    DDX_Control(dx, IDC_PATH_CURVE, m_radioCurve);
    DDX_Control(dx, IDC_PATH_UTF8_HEADING, m_checkUtf8Heading);
    m_time.exchange(dx);
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
    m_checkUtf8Heading.SetCheck(0);
    // A setup started afresh has no time column, as it has no files.
    m_time.show(timeColumnEntries(ps.done ? ps.values.time : TimeColumnSetup {}));
    if (ps.done) {
        showPath(m_editBackgroundFile, ps.values.backgroundFilePath, ps.backgroundGiven);
        ps.values.originX = ps.keptOriginX;
        ps.values.originY = ps.keptOriginY;
        ps.values.mapUnitsPerPixel = ps.keptMapUnitsPerPixel;
        showOrigin();
        showPath(m_editCharacterFile, ps.values.characterFilePath, ps.characterGiven);
        showPath(m_editCharacter2File, ps.values.character2FilePath, ps.character2Given);
        showPath(m_editDataFile, ps.values.dataFilePath, ps.dataFileGiven);
    } else {
        ps.values.originX = ps.values.originY = 0.0;
        ps.values.mapUnitsPerPixel = 1.0;
        m_editOriginX.SetWindowText("0.0");
        m_editOriginY.SetWindowText("0.0");
        m_editMapScale.SetWindowText("1");
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
    m_editMapScale.SetWindowText(formatMapScale(ps.values.mapUnitsPerPixel));
}

void CPathSetupDlg::clearChangedFlags()
{
    ps.backgroundChanged = ps.characterChanged = ps.character2Changed = ps.dataFileChanged = false;
    m_timeSaved = m_time.entries();
}

bool CPathSetupDlg::anyChanged() const
{
    // Another time column or speed is a change too: OK offers to keep it in the setup file.
    return ps.backgroundChanged || ps.characterChanged || ps.character2Changed || ps.dataFileChanged
        || m_time.entries() != m_timeSaved;
}

PathSetupEntries CPathSetupDlg::entries() const
{
    PathSetupEntries shown;
    shown.originX = m_editOriginX.GetWindowText();
    shown.originY = m_editOriginY.GetWindowText();
    shown.teaching = m_checkTeaching.GetCheck() != 0;
    shown.curve = m_radioCurve.GetCheck() != 0;
    shown.utf8Heading = m_checkUtf8Heading.GetCheck() != 0;
    shown.moveTime = m_editMoveTime.GetWindowText();
    shown.divisions = m_editDivisions.GetWindowText();
    shown.replaceRouteFile = m_routeFileAsked;
    shown.time = m_time.entries();
    return shown;
}

void CPathSetupDlg::OnOK()
{
    PathSetupEntries shown = entries();
    PathSetupCheck check = checkPathSetup(shown, ps, tryBackgroundFile);
    if (!check.replaceQuestion.empty()) {
        if (!confirm(check.replaceQuestion)) {
            ps = std::move(check.setup);
            ps.done = false;
            return;
        }
        shown.replaceRouteFile = true;
        check = checkPathSetup(shown, ps, tryBackgroundFile);
    }
    ps = std::move(check.setup);
    for (const PathSetupMessage &message : check.told)
        AfxMessageBox(message.text);
    if (!check.accepted)
        return;

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
