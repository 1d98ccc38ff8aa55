#include "correlation/core/CorrSetupFile.h"

#include "data/AtomicFile.h"
#include "data/NumberText.h"

#include <vector>

SetupFileLines readCorrSetupFile(const std::string &path)
{
    return readSetupFile(path, kCorrSetupMagic, kCorrSetupValueLines);
}

void applyCorrSetupLine(CorrSetup &setup, int fileLine, std::string_view text)
{
    switch (fileLine) {
    case 2:
        setup.values.dataFilePath = text;
        setup.dataFileGiven = true;
        setup.changed[kDataFile] = false;
        break;
    case 3:
        setup.values.xColumn = parseInt(text);
        break;
    case 4:
        setup.values.yColumn = parseInt(text);
        break;
    case 5:
        setup.values.dataStartRow = parseInt(text);
        break;
    case 6:
        setup.values.plotSpeedMs = parseInt(text);
        break;
    case 7:
        setup.values.autoScale = parseInt(text) != 0;
        break;
    case 8:
        setup.values.frameXTop = parseDouble(text);
        break;
    case 9:
        setup.values.frameXBottom = parseDouble(text);
        break;
    case 10:
        setup.values.frameYTop = parseDouble(text);
        break;
    case 11:
        setup.values.frameYBottom = parseDouble(text);
        break;
    default:
        break;
    }
}

namespace {
constexpr std::string_view kFrameTag = "FRAME";
constexpr std::string_view kFitValue = "FIT";
constexpr std::string_view kAxisTitlesTag = "AXIS_TITLES";
} // namespace

void applyCorrSetupTags(CorrSetupValues &values, const std::vector<SetupTag> &tags)
{
    values.fitFrame = values.axisTitles = false;
    values.time = {};
    values.otherTags.clear();
    for (const SetupTag &tag : tags) {
        if (takeTimeColumnTag(tag, values.time))
            continue;
        if (tag.name == kFrameTag)
            values.fitFrame = tag.value == kFitValue;
        else if (tag.name == kAxisTitlesTag)
            values.axisTitles = tag.value == "1";
        else
            values.otherTags.push_back(tag);
    }
}

FileWriteResult writeCorrSetupFile(const std::string &path, const CorrSetupValues &values)
{
    const std::vector<std::string> lines { values.dataFilePath, formatInt(values.xColumn),
        formatInt(values.yColumn), formatInt(values.dataStartRow), formatInt(values.plotSpeedMs),
        formatInt(values.autoScale || values.fitFrame ? 1 : 0), formatFixed(values.frameXTop, 1),
        formatFixed(values.frameXBottom, 1), formatFixed(values.frameYTop, 1),
        formatFixed(values.frameYBottom, 1) };
    std::vector<SetupTag> tags;
    if (values.fitFrame)
        tags.push_back({ std::string(kFrameTag), std::string(kFitValue) });
    if (values.axisTitles)
        tags.push_back({ std::string(kAxisTitlesTag), "1" });
    appendTimeColumnTags(values.time, tags);
    tags.insert(tags.end(), values.otherTags.begin(), values.otherTags.end());
    return writeFileAtomically(path, setupFileText(kCorrSetupMagic, lines, tags));
}
