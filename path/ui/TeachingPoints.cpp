#include "mainwnd/CMainDlg.h"

void CMainDlg::OnMouseMove(UINT, POINT) { Default(); }
void CMainDlg::OnLButtonDown(UINT, POINT) { Default(); }
void CMainDlg::OnTeachCorrection() { }
