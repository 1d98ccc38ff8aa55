#include "app/CAnalysisApp.h"

#include "mainwnd/CMainDlg.h"

#include <QTimer>

CAnalysisApp::CAnalysisApp()
    : m_runState(std::make_unique<RunState>())
    , m_gdiState(std::make_unique<GdiState>())
{
}

CAnalysisApp::~CAnalysisApp() = default;

bool CAnalysisApp::InitInstance()
{
    CMainDlg dialog(*m_runState, *m_gdiState);
    if (!m_setupFile.empty())
        QTimer::singleShot(0, [&dialog, this] { dialog.OpenSetupFile(m_setupFile); });
    dialog.DoModal();
    return false; // no message loop of our own: the program ends with the window
}
