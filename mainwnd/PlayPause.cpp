#include "mainwnd/CMainDlg.h"

void CMainDlg::OnPlayPause() { }
