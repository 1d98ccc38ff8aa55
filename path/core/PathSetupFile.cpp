#include "path/core/PathSetupFile.h"

#include "data/AtomicFile.h"
#include "data/NumberText.h"
#include "path/core/MapScale.h"

#include <vector>

SetupFileLines readPathSetupFile(const std::string &path)
{
    return readSetupFile(path, kPathSetupMagic, kPathSetupValueLines);
}

void applyPathSetupLine(PathSetup &setup, int fileLine, std::string_view text)
{
    switch (fileLine) {
    case 2:
        setup.values.backgroundFilePath = text;
        setup.backgroundGiven = !text.empty();
        break;
    case 3:
        setup.values.originX = parseDouble(text);
        break;
    case 4:
        setup.values.originY = parseDouble(text);
        break;
    case 5:
        setup.values.characterFilePath = text;
        setup.characterGiven = !text.empty();
        break;
    case 6:
        setup.values.character2FilePath = text;
        setup.character2Given = !text.empty();
        break;
    case 7:
        setup.values.dataFilePath = text;
        setup.dataFileGiven = !text.empty();
        break;
    default:
        break;
    }
}

namespace {
constexpr std::string_view kMapScaleTag = "MAP_SCALE";
} // namespace

void applyPathSetupTags(PathSetupValues &values, const std::vector<SetupTag> &tags)
{
    values.mapUnitsPerPixel = 1.0;
    values.time = {};
    values.otherTags.clear();
    for (const SetupTag &tag : tags) {
        if (tag.name == kMapScaleTag)
            values.mapUnitsPerPixel = mapScaleFromEntry(tag.value).unitsPerPixel.value_or(1.0);
        else if (!takeTimeColumnTag(tag, values.time))
            values.otherTags.push_back(tag);
    }
}

FileWriteResult writePathSetupFile(const std::string &path, const PathSetupValues &values)
{
    const std::vector<std::string> lines { values.backgroundFilePath,
        formatFixed(values.originX, 6), formatFixed(values.originY, 6), values.characterFilePath,
        values.character2FilePath, values.dataFilePath };
    std::vector<SetupTag> tags;
    if (values.mapUnitsPerPixel != 1.0)
        tags.push_back({ std::string(kMapScaleTag), formatMapScale(values.mapUnitsPerPixel) });
    appendTimeColumnTags(values.time, tags);
    tags.insert(tags.end(), values.otherTags.begin(), values.otherTags.end());
    return writeFileAtomically(path, setupFileText(kPathSetupMagic, lines, tags));
}
