#include "FuzzSupport.h"

#include "platform/QtSetup.h"

#include <QApplication>
#include <array>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

std::filesystem::path scratchFolder()
{
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path()
            / ("tracelet-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

} // namespace

const std::string &writeInputFile(const std::uint8_t *data, std::size_t size)
{
    static const std::string path = scratchPath("input");
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file) {
        if (size > 0)
            std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path;
}

std::string scratchPath(const std::string &name) { return (scratchFolder() / name).string(); }

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tracelet-fuzz";
    static char *argv[] = { name, nullptr };
    new QApplication(argc, argv); // lives as long as the process
    platformSetupApplication();
}
