#pragma once

#include "mainwnd/TimeColumnControls.h"
#include "path/core/PathSetupCheck.h"
#include "path/core/PathSetupFile.h"
#include "platform/CDialog.h"
#include "platform/Controls.h"

#include <string>
#include <string_view>

// The path setup: background with its origin, one or two characters, and a data file to play or,
// in teaching mode, the file the taught route is written to, with the teaching settings. Results
// go straight into the setup it is given; the dialog keeps nothing of its own.
class CPathSetupDlg : public CDialog
{
public:
    explicit CPathSetupDlg(PathSetup &setup, CWnd *parent = nullptr);

    void DoDataExchange(CDataExchange *dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnBrowseBackground();
    void OnBrowseCharacter();
    void OnBrowseCharacter2();
    void OnBrowseDataFile();
    void OnTeachingCheck();
    void OnLoadSetup();
    void OnSaveSetup();

private:
    struct FileField;
    void browseFile(const FileField &field);
    void showPath(CEdit &edit, const std::string &path, bool &given);
    void showOrigin(); // and the scale set with it
    void showLoadedLine(int fileLine, const PathSetupEntries &shown);
    PathSetupEntries entries() const;
    // Shows the setup file's path and applies its lines, as choosing it in the file dialog does.
    void loadSetup(const std::string &path);
    void clearChangedFlags();
    bool anyChanged() const;

    PathSetup &ps;
    bool m_routeFileAsked = false; // the route file was chosen in the save dialog, which asks
    // The data file when the dialog opened: a cancelled setup goes back to it, since the teaching
    // check box puts its route file there.
    std::string m_dataFileBefore;
    bool m_dataFileGivenBefore = false;
    CEdit m_editDivisions;
    CEdit m_editOriginY;
    CEdit m_editOriginX;
    CEdit m_editMoveTime;
    CButton m_checkTeaching;
    CEdit m_editSetupFile;
    CEdit m_editCharacter2File;
    CEdit m_editDataFile;
    CEdit m_editCharacterFile;
    CEdit m_editBackgroundFile;
    CEdit m_editMapScale;
    CButton m_radioLinear;
    CButton m_radioCurve;
    CButton m_checkUtf8Heading;
    TimeColumnControls m_time;
    TimeColumnEntries m_timeSaved; // the time column as last shown from a file or saved to one

    DECLARE_MESSAGE_MAP()
};
