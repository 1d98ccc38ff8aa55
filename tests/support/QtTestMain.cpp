#include "platform/QtSetup.h"

#include <QApplication>
#include <gtest/gtest.h>

// Widgets and fonts need an application object; tests run it on the offscreen platform.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Tests need no screen, also when CTest lists them without its test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef TRACELET_MP4_PLUGIN_FILE
    qputenv("TRACELET_MP4_PLUGIN", TRACELET_MP4_PLUGIN_FILE);
#endif
    QApplication app(argc, argv);
    platformSetupApplication();
    return RUN_ALL_TESTS();
}
