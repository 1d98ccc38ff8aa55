#pragma once

// The window timers and the periodic tick's user values, each defined once.

#include "platform/WinTypes.h"

enum WindowTimer : UINT {
    kTimerPathView = 1, // refreshes the path view until play starts
    kTimerCharacterBlink = 2, // alternates the two characters and shows the elapsed time
    kTimerCorrelationCompose = 3, // shows the correlation layers and the elapsed time
};

enum TickUser : DWORD_PTR {
    kTickPath = 1,
    kTickCorrelation = 2,
};
