// The floor of the start benchmark: a bare Qt window of the main window's size (635 × 391)
// showing one label of Japanese and Latin text, timed to its first painted frame as
// `tracelet --measure-start` times the main window.
#include "app/StartMeter.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char **argv)
{
    StartMeter startMeter;
    QApplication app(argc, argv);
    startMeter.watch(app);
    QWidget window;
    window.resize(635, 391);
    QLabel label(QStringLiteral("相関図と経路図 Tracelet 1.0"), &window);
    label.move(20, 20);
    window.show();
    return QApplication::exec();
}
