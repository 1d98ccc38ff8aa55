#include "correlation/core/CorrSetupFile.h"

#include "data/AtomicFile.h"
#include "data/NumberText.h"
#include "mainwnd/RunState.h"

#include <vector>

namespace {
constexpr std::size_t kDataFileChangeFlag = 9;
}

SetupFileLines readCorrSetupFile(const std::string &path)
{
    return readSetupFile(path, kCorrSetupMagic, kCorrSetupValueLines);
}

void applyCorrSetupLine(RunState &state, int fileLine, std::string_view text)
{
    switch (fileLine) {
    case 2:
        state.dataFilePath = text;
        state.dataFileGiven = true;
        state.corrSetupChanged[kDataFileChangeFlag] = false;
        break;
    case 3:
        state.xColumn = parseInt(text);
        break;
    case 4:
        state.yColumn = parseInt(text);
        break;
    case 5:
        state.dataStartRow = parseInt(text);
        break;
    case 6:
        state.plotPeriodMs = parseInt(text);
        break;
    case 7:
        state.corrAutoScale = parseInt(text) != 0;
        break;
    case 8:
        state.corrFrameXTop = parseDouble(text);
        break;
    case 9:
        state.corrFrameXBottom = parseDouble(text);
        break;
    case 10:
        state.corrFrameYTop = parseDouble(text);
        break;
    case 11:
        state.corrFrameYBottom = parseDouble(text);
        break;
    default:
        break;
    }
}

FileWriteResult writeCorrSetupFile(const std::string &path, const CorrSetupValues &values)
{
    const std::vector<std::string> lines { values.dataFilePath, formatInt(values.xColumn),
        formatInt(values.yColumn), formatInt(values.dataStartRow), formatInt(values.plotSpeedMs),
        formatInt(values.autoScale ? 1 : 0), formatFixed(values.frameXTop, 1),
        formatFixed(values.frameXBottom, 1), formatFixed(values.frameYTop, 1),
        formatFixed(values.frameYBottom, 1) };
    return writeFileAtomically(path, setupFileText(kCorrSetupMagic, lines));
}
