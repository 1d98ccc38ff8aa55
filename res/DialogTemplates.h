#pragma once

#include "platform/DialogTemplate.h"

#include <vector>

// The dialog templates of the program, as tables, with their texts in the window's language.
// The main window with the run buttons of the diagrams.
DialogTemplate mainDialogTemplate(const std::vector<ControlTemplate> &runButtons); // 102
DialogTemplate aboutDialogTemplate(); // 100
DialogTemplate confirmDialogTemplate(); // 148
DialogTemplate corrSetupDialogTemplate(); // 142
DialogTemplate pathSetupDialogTemplate(); // 131
DialogTemplate backgroundOriginDialogTemplate(); // 138
DialogTemplate teachPointDialogTemplate(); // 149
DialogTemplate mapCalibrationDialogTemplate(); // 150

// The template as it is shown: its caption and control texts in the window's language.
DialogTemplate shown(DialogTemplate source);
