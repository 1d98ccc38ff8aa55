#pragma once

#include <string>

// The application object: runs the main window as a modal dialog and ends when it closes.
class CAnalysisApp
{
public:
    bool InitInstance();

    // A setup file to open once the window is up (from the command line or the file manager).
    std::string m_setupFile;
};
