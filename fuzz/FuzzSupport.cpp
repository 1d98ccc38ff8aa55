#include "FuzzSupport.h"

#include "mainwnd/RunState.h"
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

RunState &reusedState(int which)
{
    static std::array<RunState, 2> states;
    static const RunState blank = [] {
        RunState settingsOnly;
        for (std::vector<double> *array : { &settingsOnly.dataX, &settingsOnly.dataY,
                 &settingsOnly.dataDirection, &settingsOnly.teachX, &settingsOnly.teachY })
            *array = {};
        return settingsOnly;
    }();
    RunState &state = states.at(static_cast<std::size_t>(which));
    std::array<std::vector<double>, 5> arrays { std::move(state.dataX), std::move(state.dataY),
        std::move(state.dataDirection), std::move(state.teachX), std::move(state.teachY) };
    state = blank;
    state.dataX = std::move(arrays[0]);
    state.dataY = std::move(arrays[1]);
    state.dataDirection = std::move(arrays[2]);
    state.teachX = std::move(arrays[3]);
    state.teachY = std::move(arrays[4]);
    return state;
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
