#pragma once

#include <string>

// The application object: runs the main window as a modal dialog and ends when it closes. The
// window owns its state and drawing objects, so none outlives the platform or the Qt application
// it was made with.
class CAnalysisApp
{
public:
    bool InitInstance();

    // A setup file to open once the window is up (from the command line or the file manager).
    std::string m_setupFile;
};
