#include "mainwnd/PresenterKeys.h"

#include "mainwnd/Playback.h"
#include "mainwnd/WindowTools.h"
#include "platform/WinTypes.h"

bool presenterKey(int virtualKey, Diagram *running, Playback &playback, WindowTools &tools)
{
    if (!running)
        return false;
    switch (virtualKey) {
    case VK_SPACE:
    case VK_NEXT:
        playback.pressPlay(running);
        return true;
    case VK_HOME:
        playback.restart(running);
        return true;
    case VK_RIGHT:
        playback.step(running, +1);
        return true;
    case VK_LEFT:
    case VK_PRIOR:
        playback.step(running, -1);
        return true;
    case VK_ADD:
        tools.zoom(-1);
        return true;
    case VK_SUBTRACT:
        tools.zoom(+1);
        return true;
    default:
        return false;
    }
}
