#pragma once

#include <memory>
#include <string>

struct GdiState;
struct RunState;

// The application object: owns the process-wide run state and drawing objects, runs the main
// window as a modal dialog and ends when it closes. Everything it owns is gone when it is, so
// no window object outlives the platform or the Qt application it was made with.
class CAnalysisApp
{
public:
    CAnalysisApp();
    ~CAnalysisApp();
    CAnalysisApp(const CAnalysisApp &) = delete;
    CAnalysisApp &operator=(const CAnalysisApp &) = delete;

    bool InitInstance();

    // A setup file to open once the window is up (from the command line or the file manager).
    std::string m_setupFile;

private:
    std::unique_ptr<RunState> m_runState;
    std::unique_ptr<GdiState> m_gdiState;
};
