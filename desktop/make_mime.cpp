// Writes the desktop's file types of the setup files, from the diagrams the program registers,
// with their descriptions as written and from the English catalogue.
// usage: make_mime OUTPUT.xml

#include "app/Language.h"
#include "data/Translate.h"
#include "mainwnd/DiagramRegistry.h"

#include <QCoreApplication>
#include <cstdio>
#include <fstream>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_mime OUTPUT.xml\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    installLanguage("en");
    std::ofstream out(argv[1], std::ios::binary);
    out << mimeInfoXml([](const char *text) { return tx("FileTypes", text); });
    if (!out.flush()) {
        std::fprintf(stderr, "make_mime: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
