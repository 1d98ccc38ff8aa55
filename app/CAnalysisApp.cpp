#include "app/CAnalysisApp.h"

#include "mainwnd/CMainDlg.h"

#include <QTimer>

bool CAnalysisApp::InitInstance()
{
    CMainDlg dialog;
    if (!m_setupFile.empty())
        QTimer::singleShot(0, [&dialog, this] { dialog.OpenSetupFile(m_setupFile); });
    dialog.DoModal();
    return false; // no message loop of our own: the program ends with the window
}
