#include "mainwnd/CMainDlg.h"
#include "mainwnd/ClockTasks.h"

void CMainDlg::OnCorrelationRunStop() { }

void correlationTick(CMainDlg &) { }
