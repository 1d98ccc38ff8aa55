#pragma once

// The application object: runs the main window as a modal dialog and ends when it closes.
class CAnalysisApp
{
public:
    bool InitInstance();
};
