// A path setup file (.kvt) as the path setup dialog loads it: every line read is applied to the
// setup; a complete file is written back and must load to the same paths and origin.

#include "FuzzSupport.h"
#include "path/core/PathSetupFile.h"

#include <cmath>
#include <cstdlib>

namespace {

void applyAll(PathSetup &rs, const SetupFileLines &file)
{
    int fileLine = 2;
    for (const std::string &text : file.values)
        applyPathSetupLine(rs, fileLine++, text);
}

// What a setup file cannot carry: a path with a CR (the line ends are CR LF), a path longer than
// a line is read at once (it comes back in pieces), an origin "%f" cannot write as a number.
bool beyondTheFormat(const PathSetupValues &rs)
{
    for (const std::string *path :
        { &rs.backgroundFilePath, &rs.characterFilePath, &rs.character2FilePath, &rs.dataFilePath })
        if (path->find('\r') != std::string::npos || path->size() > 498)
            return true;
    return !std::isfinite(rs.originX) || !std::isfinite(rs.originY);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SetupFileLines file = readPathSetupFile(writeInputFile(data, size));
    if (!file.opened || file.values.size() > static_cast<std::size_t>(kPathSetupValueLines))
        std::abort();
    PathSetup setup;
    applyAll(setup, file);
    const PathSetupValues *rs = &setup.values;
    if (!file.complete || beyondTheFormat(*rs))
        return 0;

    const std::string copy = scratchPath("copy.kvt");
    if (!writePathSetupFile(copy, *rs))
        std::abort();
    PathSetup reread;
    const SetupFileLines again = readPathSetupFile(copy);
    applyAll(reread, again);
    const PathSetupValues *reloaded = &reread.values;
    const auto near = [](double a, double b) {
        return std::isnan(a) ? std::isnan(b) : std::fabs(a - b) <= 0.0000005 * (1 + std::fabs(a));
    };
    if (!again.complete || reloaded->backgroundFilePath != rs->backgroundFilePath
        || reloaded->characterFilePath != rs->characterFilePath
        || reloaded->character2FilePath != rs->character2FilePath
        || reloaded->dataFilePath != rs->dataFilePath || !near(reloaded->originX, rs->originX)
        || !near(reloaded->originY, rs->originY))
        std::abort();
    return 0;
}
