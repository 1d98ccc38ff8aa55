#include "path/core/PathSetupCheck.h"

#include "data/EntryText.h"
#include "data/NumberText.h"
#include "data/SetupFile.h"
#include "data/SetupPathNote.h"
#include "data/Translate.h"
#include "path/core/BitmapFile.h"
#include "path/core/CharacterSprite.h"
#include "path/core/PngCharacterFile.h"

#include <filesystem>
#include <string_view>
#include <utility>

namespace {

constexpr int kMinMoveTimeMs = 10;
constexpr int kMaxMoveTimeMs = 10000;
constexpr int kDefaultMoveTimeMs = 1000;
constexpr int kMinDivisions = 1;
constexpr int kMaxDivisions = 100;
constexpr int kDefaultDivisions = 10;

void applyLoadedLine(PathSetup &setup, PathSetupEntries &entries, int fileLine,
    std::string_view text, std::string &notes)
{
    const bool isPath = fileLine == 2 || fileLine >= 5;
    // A path written relative to the setup file opens from wherever the program was started;
    // one written on another machine is looked for by its name beside the setup file.
    std::string value(text);
    if (isPath) {
        const SetupPath found = findSetupPath(setup.setupFilePath, text);
        value = found.path;
        addSetupPathNote(notes, found, text);
    }
    applyPathSetupLine(setup, fileLine, value);
    PathSetupValues &v = setup.values;
    // A shown path of fewer than two characters counts as none.
    const auto shown = [](const std::string &path) { return path.size() >= 2; };
    switch (fileLine) {
    case 2:
        setup.backgroundGiven = shown(v.backgroundFilePath);
        break;
    case 3:
        entries.originX = value;
        break;
    case 4:
        entries.originY = value;
        break;
    case 5:
        setup.characterGiven = shown(v.characterFilePath);
        break;
    case 6:
        setup.character2Given = shown(v.character2FilePath);
        break;
    case 7:
        setup.dataFileGiven = shown(v.dataFilePath);
        break;
    default:
        break;
    }
}

// The background and characters named, tried now rather than in the middle of a run. False when
// the background cannot be used; a character that cannot is told and the run walks without it.
bool tryFiles(PathSetupCheck &check, const BackgroundTrial &background)
{
    PathSetup &ps = check.setup;
    if (ps.backgroundGiven) {
        const std::string reason = background(ps.values.backgroundFilePath);
        if (!reason.empty()) {
            check.told.push_back({ PathSetupIssue::BackgroundFailed,
                backgroundFailedMessage(ps.values.backgroundFilePath, reason, true) });
            return false;
        }
    }
    ps.charactersTold.clear();
    const std::pair<bool, const std::string &> characters[]
        = { { ps.characterGiven, ps.values.characterFilePath },
              { ps.character2Given, ps.values.character2FilePath } };
    for (const auto &[given, path] : characters) {
        if (!given || ps.charactersTold.contains(path))
            continue;
        const CharacterLoadResult result = checkCharacterFile(path);
        if (result != CharacterLoadResult::Loaded) {
            check.told.push_back(
                { PathSetupIssue::CharacterFault, characterFaultMessage(path, result) });
            ps.charactersTold.insert(path);
        }
    }
    return true;
}

// The teaching settings; false when the divisions are refused.
bool takeTeaching(PathSetupCheck &check, const PathSetupEntries &entries)
{
    RouteSettings &route = check.setup.route;
    const int moveTime = parseInt(entryReading(entries.moveTime));
    if (moveTime < kMinMoveTimeMs || moveTime > kMaxMoveTimeMs) {
        check.told.push_back(
            { PathSetupIssue::BadMoveTime, tx("PathSetup", "点間のインターバル 指定不正です。") });
        route.moveTimeMs = kDefaultMoveTimeMs;
    } else {
        route.moveTimeMs = moveTime;
    }
    const int divisions = parseInt(entryReading(entries.divisions));
    if (divisions < kMinDivisions || divisions > kMaxDivisions) {
        check.told.push_back(
            { PathSetupIssue::BadDivisions, tx("PathSetup", "点間の分割数 指定不正です。") });
        route.divisionCount = kDefaultDivisions;
        return false;
    }
    route.divisionCount = divisions;
    route.plotPeriodMs = route.moveTimeMs / route.divisionCount;
    return true;
}

} // namespace

PathSetupLoad loadPathSetup(PathSetup &setup, PathSetupEntries &entries, const std::string &path)
{
    setup.setupFilePath = path;
    const SetupFileLines file = readPathSetupFile(path);
    PathSetupLoad load;
    if (!file.opened)
        return load;
    load.opened = true;
    // Every line read is applied, also from a faulty file: the user finishes the rest by hand.
    std::string notes;
    for (const std::string &text : file.values)
        applyLoadedLine(setup, entries, 2 + load.linesRead++, text, notes);
    if (!notes.empty())
        load.told.push_back({ PathSetupIssue::FilesElsewhere, notes });
    if (file.complete) {
        applyPathSetupTags(setup.values, file.tags);
        entries.time = timeColumnEntries(setup.values.time);
        setup.backgroundChanged = setup.characterChanged = setup.character2Changed
            = setup.dataFileChanged = false;
    } else {
        load.told.push_back({ PathSetupIssue::FaultySetupFile,
            tx("PathSetup",
                "セットアップファイルに誤りがあります、手入力にてセットアップしてください。") });
    }
    return load;
}

PathSetupCheck checkPathSetup(
    const PathSetupEntries &entries, const PathSetup &setup, const BackgroundTrial &background)
{
    PathSetupCheck check { setup, {}, false, {} };
    PathSetup &ps = check.setup;
    ps.route.curve = entries.curve;
    ps.route.utf8Heading = entries.utf8Heading;
    ps.source = entries.teaching ? PathSource::Teaching : PathSource::DataFile;
    const std::string checkAgain = tx("PathSetup",
        "セットアップ内容に誤りがあります、内容を確認してもう一度ＯＫをクリックしてください。");
    if (!ps.dataFileGiven) {
        ps.done = false;
        check.told.push_back({ PathSetupIssue::NoDataFile,
            tx("PathSetup", "データファイルが指定されていません。") });
        check.told.push_back({ PathSetupIssue::CheckAgain, checkAgain });
        return check;
    }
    if (entries.teaching && !ps.dataFileChanged) {
        // A route file must be chosen in this showing: an old one would be overwritten unasked.
        ps.dataFileGiven = ps.done = false;
        check.told.push_back({ PathSetupIssue::RouteFileNotChosen, checkAgain });
        return check;
    }
    // A file chosen with the open dialog is replaced by the route at play: only when agreed.
    if (entries.teaching && !entries.replaceRouteFile
        && std::filesystem::exists(ps.values.dataFilePath)) {
        check.replaceQuestion
            = tx("PathSetup",
                  "教示ポイントの保存先ファイルは既にあります。再生時に経路で上書きしますか？")
            + "\n" + ps.values.dataFilePath;
        return check;
    }
    const auto time = timeColumnFromEntries(entries.time);
    if (!time) {
        check.told.push_back(
            { PathSetupIssue::BadTimeColumn, tx("PathSetup", "時刻列指定不正です。") });
        return check;
    }
    ps.values.time = *time;
    if (!tryFiles(check, background)) {
        ps.done = false;
        return check;
    }
    if (entries.teaching && !takeTeaching(check, entries))
        return check;
    ps.done = check.accepted = true;
    ps.keptOriginX = ps.values.originX;
    ps.keptOriginY = ps.values.originY;
    ps.keptMapUnitsPerPixel = ps.values.mapUnitsPerPixel;
    return check;
}

PathSetupStart startPathSetup(const std::string &setupFile, const BackgroundTrial &background)
{
    PathSetupStart start;
    PathSetup &setup = start.setup;
    setup.values.originX = setup.values.originY = 0.0;
    PathSetupEntries entries;
    start.told = loadPathSetup(setup, entries, setupFile).told;
    PathSetupCheck check = checkPathSetup(entries, setup, background);
    start.setup = std::move(check.setup);
    start.accepted = check.accepted;
    start.told.insert(start.told.end(), check.told.begin(), check.told.end());
    return start;
}
