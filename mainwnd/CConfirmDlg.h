#pragma once

#include "platform/CDialog.h"
#include "platform/Controls.h"

#include <string>

// Asks a yes/no question; DoModal gives IDOK or IDCANCEL.
class CConfirmDlg : public CDialog
{
public:
    explicit CConfirmDlg(std::string question, CWnd *parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *dx) override;

private:
    std::string m_question;
    CEdit m_editMessage;
};

// Shows the question and answers whether the person said yes.
bool confirm(const std::string &question);
