#include "mainwnd/CMainDlg.h"

void CMainDlg::OnSliderMode() { }

void CMainDlg::OnSliderReleasedCapture(LRESULT *result) { *result = 0; }

void CMainDlg::OnSliderCustomDraw(LRESULT *result) { *result = 0; }
