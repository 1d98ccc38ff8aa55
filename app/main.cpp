#include "app/CAnalysisApp.h"
#include "app/CommandLine.h"
#include "app/Language.h"
#include "app/StartMeter.h"
#include "app/WindowZoomOption.h"
#include "app/cli/CommandLine.h"
#include "mainwnd/DiagramRegistry.h"
#include "platform/QtPlatform.h"
#include "platform/QtSetup.h"
#include "platform/Resources.h"
#include "res/ResourceIds.h"
#include "res/TraceletResources.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <optional>

namespace {

// `tracelet FILE.kvs` (as a file manager starts it): the window, with that setup.
bool namesSetupFile(const std::vector<std::string> &args)
{
    if (args.size() != 1 || args[0].starts_with('-'))
        return false;
    return diagramForSetupName(args[0]) != nullptr;
}

// The window, on the display, with a setup file's diagram started when one is named.
int openWindow(int argc, char **argv, const std::string &language, StartMeter *startMeter,
    const std::string &setupFile, std::optional<int> zoomWindow)
{
    const char *display = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    const char *qpa = std::getenv("QT_QPA_PLATFORM");
    if (!(display && *display) && !(wayland && *wayland) && !(qpa && *qpa)) {
        std::cerr << "tracelet: no display to open the window on (DISPLAY is not set).\n"
                     "Run it on a desktop, or under a virtual screen: xvfb-run -a tracelet\n";
        return 1;
    }
    // Whole scale factors only: the picture area and the button faces stay sharp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // Named first: the remembered window scale is read from the application's settings.
    QApplication::setApplicationName(QStringLiteral("Tracelet"));
    const bool scalePut = applyWindowScale(zoomWindow);
    QApplication app(argc, argv);
    // Read once at start: a program the window starts (a reopened window) chooses its own.
    if (scalePut)
        qunsetenv("QT_SCALE_FACTOR");
    if (startMeter)
        startMeter->watch(app);
    QGuiApplication::setDesktopFileName(QStringLiteral("tracelet"));
    platformSetupApplication(language);
    registerTraceletResources();
    QApplication::setWindowIcon(QPixmap::fromImage(loadResourceIcon(IDR_MAINFRAME, 32)));
    installLanguage(language);
    // Lifetimes nest: the Qt application outlives the platform (its timers are Qt objects), the
    // platform outlives the application object and every window object it owns.
    QtPlatform windowPlatform;
    installPlatform(&windowPlatform);
    {
        CAnalysisApp application;
        if (!setupFile.empty()) {
            // The window runs in the setup file's folder, where its relative data paths point.
            const QFileInfo setup(QString::fromStdString(setupFile));
            application.m_setupFile = setup.absoluteFilePath().toStdString();
            QDir::setCurrent(setup.absolutePath());
        }
        application.InitInstance();
    }
    installPlatform(nullptr);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    StartMeter startMeter;
    std::vector<std::string> args(argv + 1, argv + argc);
    // Taken out before anything else reads the arguments.
    const bool languageAsked = std::any_of(args.begin(), args.end(),
        [](const std::string &arg) { return arg == "--lang" || arg.starts_with("--lang="); });
    const std::string language
        = chooseLanguage(args, [](const char *name) { return std::getenv(name); });
    // A rendered picture keeps the texts as written unless a language is asked for: the window
    // asks for its own when it exports an animation, so the file shows what the window shows.
    if (languageAsked && !args.empty() && args[0] == "render")
        args.insert(args.end(), { "--lang", language });
    bool badZoom = false;
    const std::optional<int> zoomWindow = takeZoomWindow(args, badZoom);
    if (badZoom) {
        std::cerr << "tracelet: --zoom-window takes 1, 1.5, 2 or 3\n";
        return 2;
    }
    const bool measureStart = args.size() == 1 && args[0] == "--measure-start";
    if (measureStart)
        args.clear();
    const bool openSetup = namesSetupFile(args);
    if (!args.empty() && !openSetup) {
        // Notes and errors follow the language; a picture's texts stay as written unless asked,
        // so that a script's outputs do not change with the machine.
        installLanguage(language, languageAsked ? language : "ja");
        return runCommandLine(args, std::cout, std::cerr);
    }
    if (openSetup && !isReadableFile(args[0])) {
        std::cerr << "tracelet: cannot read " << args[0] << "\n";
        return 1;
    }
    return openWindow(argc, argv, language, measureStart ? &startMeter : nullptr,
        openSetup ? args[0] : std::string(), zoomWindow);
}
