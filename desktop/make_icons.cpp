// Writes the application icon for the desktop's hicolor theme: the painted 16 and 32 pixel icons,
// and the larger sizes enlarged from them by whole pixels, so they keep their crisp look.
// usage: make_icons OUTPUT_DIR  (writes OUTPUT_DIR/NxN/apps/tracelet.png)

#include "res/ResourceImages.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_DIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Size, painted source size.
    const std::pair<int, int> sizes[]
        = { { 16, 16 }, { 32, 32 }, { 48, 16 }, { 64, 32 }, { 128, 32 }, { 256, 32 } };
    for (const auto &[size, source] : sizes) {
        const QImage icon = paintAppIcon(source).scaled(
            size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(argv[1]).arg(size);
        if (!QDir().mkpath(folder) || !icon.save(folder + QStringLiteral("/tracelet.png"))) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
