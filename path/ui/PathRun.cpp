#include "mainwnd/CMainDlg.h"
#include "mainwnd/ClockTasks.h"

void CMainDlg::OnPathRunStop() { }

void pathTick(CMainDlg &) { }
