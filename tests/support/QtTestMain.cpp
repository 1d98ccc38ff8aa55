#include "platform/QtSetup.h"

#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

// Widgets and fonts need an application object; tests run it on the offscreen platform.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    platformSetupApplication();
    return RUN_ALL_TESTS();
}
