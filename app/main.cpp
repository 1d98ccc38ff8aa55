#include "app/CAnalysisApp.h"
#include "app/CommandLine.h"
#include "platform/QtPlatform.h"
#include "platform/QtSetup.h"
#include "res/TraceletResources.h"

#include <QApplication>
#include <cstdlib>
#include <iostream>

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty())
        return runCommandLine(args, std::cout, std::cerr);

    const char *display = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    const char *qpa = std::getenv("QT_QPA_PLATFORM");
    if (!(display && *display) && !(wayland && *wayland) && !(qpa && *qpa)) {
        std::cerr << "tracelet: no display to open the window on (DISPLAY is not set).\n"
                     "Run it on a desktop, or under a virtual screen: xvfb-run -a tracelet\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tracelet"));
    platformSetupApplication();
    registerTraceletResources();
    // Lifetimes nest: the Qt application outlives the platform (its timers are Qt objects), the
    // platform outlives the application object and every window object it owns.
    QtPlatform windowPlatform;
    installPlatform(&windowPlatform);
    {
        CAnalysisApp application;
        application.InitInstance();
    }
    installPlatform(nullptr);
    return 0;
}
