#include "platform/Platform.h"

#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <memory>

namespace {
Platform *g_installed = nullptr;
}

Platform &platform()
{
    if (g_installed)
        return *g_installed;
    static QtPlatform qtPlatform;
    return qtPlatform;
}

void installPlatform(Platform *p) { g_installed = p; }

std::string programFile() { return QCoreApplication::applicationFilePath().toStdString(); }

UINT timeSetEvent(UINT delayMs, UINT, LPTIMECALLBACK callback, DWORD_PTR user, UINT eventType)
{
    if (!callback || eventType != TIME_PERIODIC)
        return 0;
    // The id is only known once the tick exists; the callback reads it through a shared cell.
    auto id = std::make_shared<UINT>(0);
    *id = platform().startTick(delayMs, [callback, user, id] { callback(*id, 0, user, 0, 0); });
    return *id;
}

UINT timeKillEvent(UINT timerId)
{
    if (timerId != 0)
        platform().stopTick(timerId);
    return 0;
}

void Sleep(DWORD ms) { platform().sleep(ms); }

int AfxMessageBox(const std::string &text)
{
    platform().messageBox(text);
    return IDOK;
}
