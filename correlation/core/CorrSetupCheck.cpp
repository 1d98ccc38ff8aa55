#include "correlation/core/CorrSetupCheck.h"

#include "data/EntryText.h"
#include "data/NumberText.h"
#include "data/SetupFile.h"
#include "data/SetupPathNote.h"
#include "data/Translate.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace {

constexpr int kMaxColumnOrRow = 10000;
constexpr int kMinPlotPeriodMs = 50;
constexpr int kMaxPlotPeriodMs = 10000;

void applyLoadedLine(
    CorrSetup &setup, CorrSetupEntries &entries, int fileLine, std::string_view text)
{
    if (fileLine == 2) {
        // A data file named relative to the setup file opens from any start-up folder; one
        // written on another machine is looked for by its name beside the setup file.
        const SetupPath found = findSetupPath(setup.setupFilePath, text);
        // One found nowhere is told by the data reader when the run starts.
        if (found.besideSetup)
            addSetupPathNote(setup.loadNote, found, text);
        applyCorrSetupLine(setup, fileLine, found.path);
        return;
    }
    applyCorrSetupLine(setup, fileLine, text);
    std::string *const shownIn[]
        = { &entries.xColumn, &entries.yColumn, &entries.startRow, &entries.plotSpeed, nullptr,
              &entries.xTop, &entries.xBottom, &entries.yTop, &entries.yBottom };
    if (fileLine == 6) {
        // A plot speed below 1 means none: the box is off and its edit empty.
        entries.plotSpeedOn = setup.values.plotSpeedMs >= 1;
        entries.plotSpeed = entries.plotSpeedOn ? std::string(text) : std::string();
    } else if (fileLine == 7) {
        entries.autoScale = setup.values.autoScale;
    } else if (fileLine >= 3 && fileLine <= 11) {
        *shownIn[static_cast<std::size_t>(fileLine - 3)] = text;
    }
}

} // namespace

CorrSetupEntries showCorrDefaults(CorrSetup &setup)
{
    setup.values.xColumn = 1;
    setup.values.yColumn = 2;
    setup.values.dataStartRow = 1;
    setup.values.plotSpeedMs = 50;
    return { "1", "2", "1", "50", false, true, "100.0", "-100.0", "100.0", "-100.0" };
}

CorrSetupLoad loadCorrSetup(CorrSetup &setup, CorrSetupEntries &entries, const std::string &path)
{
    setup.setupFilePath = path;
    const SetupFileLines file = readCorrSetupFile(path);
    CorrSetupLoad load;
    if (!file.opened)
        return load;
    load.opened = true;
    // Every line read is applied, also from a faulty file: the user finishes the rest by hand.
    setup.loadNote.clear();
    for (const std::string &text : file.values)
        applyLoadedLine(setup, entries, 2 + load.linesRead++, text);
    if (!setup.loadNote.empty())
        load.told.push_back({ CorrSetupIssue::DataFileElsewhere, setup.loadNote });
    if (file.complete) {
        applyCorrSetupTags(setup.values, file.tags);
        entries.fitFrame = setup.values.fitFrame;
        entries.axisTitles = setup.values.axisTitles;
        entries.time = timeColumnEntries(setup.values.time);
        setup.changed.fill(false);
    } else
        load.told.push_back({ CorrSetupIssue::FaultySetupFile,
            tx("CorrSetup",
                "セットアップファイルに誤りがあります、手入力にてセットアップしてください。") });
    return load;
}

CorrSetupCheck checkCorrSetup(
    const CorrSetupEntries &entries, const CorrSetup &setup, const CorrSetupValues &acceptedBefore)
{
    CorrSetupCheck check { setup.values, setup.changed, {}, false };
    if (!setup.dataFileGiven) {
        check.problems.push_back({ CorrSetupIssue::NoDataFile,
            tx("CorrSetup", "データファイルが指定されていません。") });
        return check;
    }
    CorrSetupValues &v = check.values;
    const auto take = [&check](auto value, auto &stored, CorrSetupField field) {
        check.changed[field] = value != stored;
        stored = value;
    };
    const auto inRange = [](int n, int low, int high) { return n >= low && n <= high; };
    const auto number = [](const std::string &entry) { return parseInt(entryReading(entry)); };
    const auto takeColumn
        = [&](const std::string &entry, int &stored, int before, CorrSetupField field) {
              if (inRange(number(entry), 1, kMaxColumnOrRow))
                  return take(number(entry), stored, field);
              check.problems.push_back(
                  { CorrSetupIssue::BadColumn, tx("CorrSetup", "列指定不正です。") });
              stored = before;
          };

    if (!entries.autoScale) {
        take(parseDouble(entryReading(entries.xTop)), v.frameXTop, kXTop);
        take(parseDouble(entryReading(entries.xBottom)), v.frameXBottom, kXBottom);
        take(parseDouble(entryReading(entries.yTop)), v.frameYTop, kYTop);
        take(parseDouble(entryReading(entries.yBottom)), v.frameYBottom, kYBottom);
    }
    take(entries.autoScale, v.autoScale, kAutoScale);
    take(entries.fitFrame, v.fitFrame, kFitFrame);
    take(entries.axisTitles, v.axisTitles, kAxisTitles);
    takeColumn(entries.xColumn, v.xColumn, acceptedBefore.xColumn, kXColumn);
    takeColumn(entries.yColumn, v.yColumn, acceptedBefore.yColumn, kYColumn);

    if (!entries.plotSpeedOn) {
        v.plotSpeedMs = 0;
    } else if (inRange(number(entries.plotSpeed), kMinPlotPeriodMs, kMaxPlotPeriodMs)) {
        take(number(entries.plotSpeed), v.plotSpeedMs, kPlotSpeed);
    } else {
        check.problems.push_back(
            { CorrSetupIssue::BadPlotSpeed, tx("CorrSetup", "プロット速度指定不正です。") });
        v.plotSpeedMs = acceptedBefore.plotSpeedMs;
    }

    if (const auto time = timeColumnFromEntries(entries.time)) {
        take(*time, v.time, kTimeColumn);
    } else {
        check.problems.push_back(
            { CorrSetupIssue::BadTimeColumn, tx("CorrSetup", "時刻列指定不正です。") });
        v.time = acceptedBefore.time;
        return check;
    }
    if (!inRange(number(entries.startRow), 1, kMaxColumnOrRow)) {
        check.problems.push_back(
            { CorrSetupIssue::BadStartRow, tx("CorrSetup", "行指定不正です。") });
        return check;
    }
    take(number(entries.startRow), v.dataStartRow, kStartRow);
    check.accepted = true;
    return check;
}

CorrSetupStart startCorrSetup(const std::string &setupFile)
{
    CorrSetupStart start;
    CorrSetup &setup = start.setup;
    CorrSetupEntries entries = showCorrDefaults(setup);
    const CorrSetupValues acceptedBefore = setup.values;
    start.told = loadCorrSetup(setup, entries, setupFile).told;
    CorrSetupCheck check = checkCorrSetup(entries, setup, acceptedBefore);
    setup.values = check.values;
    setup.changed = check.changed;
    setup.done = start.accepted = check.accepted;
    start.told.insert(start.told.end(), check.problems.begin(), check.problems.end());
    return start;
}

const CorrSetupMessage *CorrSetupStart::refusal() const
{
    const auto it = std::ranges::find_if(told,
        [](const CorrSetupMessage &m) { return m.issue != CorrSetupIssue::DataFileElsewhere; });
    return it == told.end() ? nullptr : &*it;
}

std::vector<std::string> CorrSetupStart::notes() const
{
    std::vector<std::string> texts;
    for (const CorrSetupMessage &m : told)
        if (m.issue == CorrSetupIssue::DataFileElsewhere)
            texts.push_back(m.text);
    return texts;
}
