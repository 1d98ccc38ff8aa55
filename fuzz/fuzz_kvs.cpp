// A correlation setup file (.kvs) as the setup dialog loads it: every line read is applied to the
// setup, then the setup is written back and read again.

#include "FuzzSupport.h"
#include "correlation/core/CorrSetupFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SetupFileLines file = readCorrSetupFile(writeInputFile(data, size));
    if (!file.opened || file.values.size() > static_cast<std::size_t>(kCorrSetupValueLines))
        std::abort();
    CorrSetup setup;
    int fileLine = 2;
    for (const std::string &text : file.values) {
        if (text.find('\n') != std::string::npos)
            std::abort(); // a value line never keeps its line feed
        applyCorrSetupLine(setup, fileLine++, text);
    }
    if (!file.complete)
        return 0;

    // What loads completely saves and loads back to the same whole numbers and check box.
    CorrSetupValues values = setup.values;
    values.dataFilePath.clear();
    const std::string copy = scratchPath("copy.kvs");
    if (!writeCorrSetupFile(copy, values))
        std::abort();
    const SetupFileLines again = readCorrSetupFile(copy);
    CorrSetup reloaded;
    fileLine = 2;
    for (const std::string &text : again.values)
        applyCorrSetupLine(reloaded, fileLine++, text);
    const CorrSetupValues &a = setup.values, &b = reloaded.values;
    if (!again.complete || a.xColumn != b.xColumn || a.yColumn != b.yColumn
        || a.dataStartRow != b.dataStartRow || a.plotSpeedMs != b.plotSpeedMs
        || a.autoScale != b.autoScale)
        std::abort();
    return 0;
}
