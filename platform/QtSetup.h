#pragma once

// Once, right after the QApplication is constructed: fonts that stand in for the Windows
// Japanese faces (crisp gothic strikes included), Qt's own dialogs in Japanese, and numbers that
// never follow the locale.
void platformSetupApplication();
