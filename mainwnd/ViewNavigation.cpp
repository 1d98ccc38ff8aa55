#include "mainwnd/CMainDlg.h"

void CMainDlg::OnZoomIn() { }
void CMainDlg::OnZoomOut() { }
void CMainDlg::OnScrollUp() { }
void CMainDlg::OnScrollDown() { }
void CMainDlg::OnScrollRight() { }
void CMainDlg::OnScrollLeft() { }
