#pragma once

#include "correlation/core/CorrSetupCheck.h"
#include "correlation/core/CorrSetupFile.h"
#include "mainwnd/TimeColumnControls.h"
#include "platform/CDialog.h"
#include "platform/Controls.h"

#include <cstddef>
#include <string>
#include <string_view>

// The correlation setup: data file, columns, first row, plot speed and frame scale. Results go
// straight into the setup it is given; the dialog keeps nothing of its own.
class CCorrSetupDlg : public CDialog
{
public:
    explicit CCorrSetupDlg(CorrSetup &setup, CWnd *parent = nullptr);

    void DoDataExchange(CDataExchange *dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnBrowseDataFile(); // "..." beside the data file
    void OnOpenSetup(); // "..." beside the setup file
    void OnSaveSetup(); // ｾｯﾄｱｯﾌﾟ保存

private:
    void showCurrentSetup();
    void showEntries(const CorrSetupEntries &entries);
    CorrSetupEntries entries() const;
    // Shows the setup file's path and applies its lines, as choosing it in the file dialog does.
    void loadSetup(const std::string &path);
    bool saveable() const;
    // The values a setup file holds: the edits as typed for the save button, what OK accepted
    // for the save OK offers.
    CorrSetupValues valuesToSave();
    // An edit's text as the dialog reads it: at most 19 bytes.
    static std::string fieldText(const CEdit &edit);

    CorrSetup &cs;
    // The setup as it stood when the dialog opened: what a value OK refuses goes back to, also
    // after a load or a save put the refused value into the setup.
    CorrSetupValues m_accepted;
    bool m_savingAccepted = false; // the save runs from OK
    CEdit m_editYBottom;
    CEdit m_editYTop;
    CEdit m_editXBottom;
    CEdit m_editXTop;
    CButton m_checkAutoScale;
    CButton m_checkFitFrame;
    CButton m_checkAxisTitles;
    CButton m_checkPlotSpeed;
    CEdit m_editStartRow;
    CEdit m_editDataFile;
    CEdit m_editSetupFile;
    CEdit m_editPlotSpeed;
    CEdit m_editYColumn;
    CEdit m_editXColumn;
    TimeColumnControls m_time;

    DECLARE_MESSAGE_MAP()
};
