#pragma once

#include "path/core/PathSetupFile.h"
#include "platform/CDialog.h"
#include "platform/Controls.h"

// Asks which data coordinates the lower-left corner of the chosen background stands for. OK
// writes them into originX and originY; cancel keeps the origin as it was.
class CBackgroundOriginDlg : public CDialog
{
public:
    explicit CBackgroundOriginDlg(PathSetupValues &setup, CWnd *parent = nullptr);

    void DoDataExchange(CDataExchange *dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    PathSetupValues &m_setup;
    CEdit m_editX;
    CEdit m_editY;
};
