#include "app/CAnalysisApp.h"

#include "mainwnd/CMainDlg.h"

bool CAnalysisApp::InitInstance()
{
    CMainDlg dialog;
    dialog.DoModal();
    return false; // no message loop of our own: the program ends with the window
}
