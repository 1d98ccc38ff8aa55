#pragma once

#include <string>

// Once, right after the QApplication is constructed: fonts that stand in for the Windows
// Japanese faces (crisp gothic strikes included), Qt's own dialogs in that language (Japanese
// unless told), and numbers that never follow the locale.
void platformSetupApplication(const std::string &dialogLanguage = "ja");

// Qt's own dialogs (file dialogs, message box buttons) in that language ("ja", "de", …), where Qt
// has a catalogue for it; in English otherwise. Asking again for the language in force changes
// nothing.
void setQtDialogLanguage(const std::string &language);
