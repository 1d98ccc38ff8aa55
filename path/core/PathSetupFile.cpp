#include "path/core/PathSetupFile.h"

#include "data/AtomicFile.h"
#include "data/NumberText.h"
#include "mainwnd/RunState.h"

#include <vector>

SetupFileLines readPathSetupFile(const std::string &path)
{
    return readSetupFile(path, kPathSetupMagic, kPathSetupValueLines);
}

void applyPathSetupLine(RunState &state, int fileLine, std::string_view text)
{
    switch (fileLine) {
    case 2:
        state.backgroundFilePath = text;
        state.backgroundGiven = !text.empty();
        break;
    case 3:
        state.originX = parseDouble(text);
        break;
    case 4:
        state.originY = parseDouble(text);
        break;
    case 5:
        state.characterFilePath = text;
        state.characterGiven = !text.empty();
        break;
    case 6:
        state.character2FilePath = text;
        state.character2Given = !text.empty();
        break;
    case 7:
        state.dataFilePath = text;
        state.dataFileGiven = !text.empty();
        break;
    default:
        break;
    }
}

FileWriteResult writePathSetupFile(const std::string &path, const PathSetupValues &values)
{
    const std::vector<std::string> lines { values.backgroundFilePath,
        formatFixed(values.originX, 6), formatFixed(values.originY, 6), values.characterFilePath,
        values.character2FilePath, values.dataFilePath };
    return writeFileAtomically(path, setupFileText(kPathSetupMagic, lines));
}
