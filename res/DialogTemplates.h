#pragma once

#include "platform/DialogTemplate.h"

// The dialog templates of the program, as tables.
const DialogTemplate &mainDialogTemplate(); // 102
const DialogTemplate &aboutDialogTemplate(); // 100
const DialogTemplate &confirmDialogTemplate(); // 148
const DialogTemplate &corrSetupDialogTemplate(); // 142
const DialogTemplate &pathSetupDialogTemplate(); // 131
const DialogTemplate &backgroundOriginDialogTemplate(); // 138
