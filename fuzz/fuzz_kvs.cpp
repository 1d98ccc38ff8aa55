// A correlation setup file (.kvs) as the setup dialog loads it: every line read is applied to the
// shared state, then the setup is written back and read again.

#include "FuzzSupport.h"
#include "correlation/core/CorrSetupFile.h"
#include "mainwnd/RunState.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SetupFileLines file = readCorrSetupFile(writeInputFile(data, size));
    if (!file.opened || file.values.size() > static_cast<std::size_t>(kCorrSetupValueLines))
        std::abort();
    RunState *rs = &reusedState(0);
    int fileLine = 2;
    for (const std::string &text : file.values) {
        if (text.find('\n') != std::string::npos)
            std::abort(); // a value line never keeps its line feed
        applyCorrSetupLine(*rs, fileLine++, text);
    }
    if (!file.complete)
        return 0;

    // What loads completely saves and loads back to the same whole numbers and check box.
    CorrSetupValues values;
    values.xColumn = rs->xColumn;
    values.yColumn = rs->yColumn;
    values.dataStartRow = rs->dataStartRow;
    values.plotSpeedMs = rs->plotPeriodMs;
    values.autoScale = rs->corrAutoScale;
    values.frameXTop = rs->corrFrameXTop;
    values.frameXBottom = rs->corrFrameXBottom;
    values.frameYTop = rs->corrFrameYTop;
    values.frameYBottom = rs->corrFrameYBottom;
    const std::string copy = scratchPath("copy.kvs");
    if (!writeCorrSetupFile(copy, values))
        std::abort();
    const SetupFileLines again = readCorrSetupFile(copy);
    RunState *reloaded = &reusedState(1);
    fileLine = 2;
    for (const std::string &text : again.values)
        applyCorrSetupLine(*reloaded, fileLine++, text);
    if (!again.complete || reloaded->xColumn != rs->xColumn || reloaded->yColumn != rs->yColumn
        || reloaded->dataStartRow != rs->dataStartRow || reloaded->plotPeriodMs != rs->plotPeriodMs
        || reloaded->corrAutoScale != rs->corrAutoScale)
        std::abort();
    return 0;
}
