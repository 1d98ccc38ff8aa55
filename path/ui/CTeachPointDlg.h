#pragma once

#include "path/core/TeachingEdits.h"
#include "platform/CDialog.h"
#include "platform/Controls.h"

// Asks for a teaching point's X and Y, in the map's units (those of the X and Y read-outs). OK
// takes them only when both are numbers on the map (from `low` to `high`) and writes them into
// `point`; cancel leaves it as it was.
class CTeachPointDlg : public CDialog
{
public:
    CTeachPointDlg(TaughtPoint &point, TaughtPoint low, TaughtPoint high, CWnd *parent = nullptr);

    void DoDataExchange(CDataExchange *dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    TaughtPoint &m_point;
    TaughtPoint m_low, m_high;
    CEdit m_editX;
    CEdit m_editY;
};
