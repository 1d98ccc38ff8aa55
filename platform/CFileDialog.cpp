#include "platform/CFileDialog.h"

CFileDialog::CFileDialog(BOOL openFileDialog, const char *defaultExtension, const char *fileName,
    DWORD flags, const char *filter)
{
    m_request.open = openFileDialog != FALSE;
    m_request.defaultExtension = defaultExtension ? defaultExtension : "";
    m_request.fileName = fileName ? fileName : "";
    m_request.flags = flags;
    m_request.filter = filter ? filter : "";
}

int CFileDialog::DoModal()
{
    const auto chosen = platform().fileDialog(m_request);
    if (!chosen)
        return IDCANCEL;
    m_path = *chosen;
    return IDOK;
}
