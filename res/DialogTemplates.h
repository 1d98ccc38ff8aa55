#pragma once

#include "platform/DialogTemplate.h"

// The dialog templates of the program, as tables, with their texts in the window's language.
DialogTemplate mainDialogTemplate(); // 102
DialogTemplate aboutDialogTemplate(); // 100
DialogTemplate confirmDialogTemplate(); // 148
DialogTemplate corrSetupDialogTemplate(); // 142
DialogTemplate pathSetupDialogTemplate(); // 131
DialogTemplate backgroundOriginDialogTemplate(); // 138
