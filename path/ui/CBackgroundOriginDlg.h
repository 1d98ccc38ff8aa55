#pragma once

#include "path/core/PathSetupFile.h"
#include "platform/CDialog.h"
#include "platform/Controls.h"

// Asks which data coordinates the lower-left corner of the chosen background stands for, and how
// many data units one of its pixels is (typed, or found by two clicks on the map). OK writes
// them into the setup; cancel keeps them as they were.
class CBackgroundOriginDlg : public CDialog
{
public:
    explicit CBackgroundOriginDlg(PathSetupValues &setup, CWnd *parent = nullptr);

    void DoDataExchange(CDataExchange *dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCalibrate();

    DECLARE_MESSAGE_MAP()

private:
    PathSetupValues &m_setup;
    CEdit m_editX;
    CEdit m_editY;
    CEdit m_editScale;
};
