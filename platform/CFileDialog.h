#pragma once

// The common open and save-as dialogs, through the platform seam.

#include "platform/Platform.h"

#include <string>

class CFileDialog
{
public:
    CFileDialog(BOOL openFileDialog, const char *defaultExtension, const char *fileName,
        DWORD flags, const char *filter);
    // The folder the dialog opens in (lpstrInitialDir); empty for the platform's default.
    void SetInitialDir(const std::string &folder) { m_request.initialDirectory = folder; }
    int DoModal(); // IDOK or IDCANCEL
    std::string GetPathName() const { return m_path; }
    const FileDialogRequest &request() const { return m_request; }

private:
    FileDialogRequest m_request;
    std::string m_path;
};
