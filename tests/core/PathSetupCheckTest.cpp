#include "path/core/PathSetupCheck.h"

#include "TempDir.h"
#include "data/SetupFile.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

using I = PathSetupIssue;

std::vector<I> issues(const std::vector<PathSetupMessage> &told)
{
    std::vector<I> kinds;
    for (const PathSetupMessage &m : told)
        kinds.push_back(m.issue);
    return kinds;
}

// Backgrounds are tried by the platform; here a file named "broken.bmp" is the one that fails.
std::string tryBackground(const std::string &path)
{
    return path.ends_with("broken.bmp") ? "no picture" : "";
}

TEST(PathSetupCheck, setupFileLoadedAndAccepted_givesTheDialogsValuesAndMessages)
{
    const std::tuple<const char *, std::vector<std::string>, bool, std::vector<I>, bool, double>
        rows[] = {
            // name, file lines, OK accepted, told, background given, origin X
            { "good", { "map.bmp", "-7.5", "3", "", "", "walk.csv" }, true, {}, true, -7.5 },
            { "no data file", { "map.bmp", "1", "2", "", "", "" }, false,
                { I::NoDataFile, I::CheckAgain }, true, 1 },
            { "cut short", { "map.bmp", "4" }, false,
                { I::FaultySetupFile, I::NoDataFile, I::CheckAgain }, true, 4 },
            { "background fails", { "broken.bmp", "1", "2", "", "", "walk.csv" }, false,
                { I::BackgroundFailed }, true, 1 },
            // A path of one character is no file: the default background, no data file.
            { "one character", { "/", "0", "0", "", "", "/" }, false,
                { I::NoDataFile, I::CheckAgain }, false, 0 },
            // One faulty character file in both slots is told once; the run walks without it.
            { "character faulty", { "", "0", "0", "gone.bmp", "gone.bmp", "walk.csv" }, true,
                { I::CharacterFault }, false, 0 },
            { "data beside the setup", { "", "0", "0", "", "", "C:\\maps\\walk.csv" }, true,
                { I::FilesElsewhere }, false, 0 },
        };
    for (const auto &[name, lines, accepted, told, backgroundGiven, originX] : rows) {
        SCOPED_TRACE(name);
        TempDir dir;
        dir.write("walk.csv", "x,y\n");
        const PathSetupStart start = startPathSetup(
            dir.write("s.kvt", setupFileText("KVT_GRIDWALK_SETUP", lines)), tryBackground);
        EXPECT_EQ(issues(start.told), told);
        const PathSetup &s = start.setup;
        EXPECT_EQ(std::tuple(start.accepted, s.done, s.backgroundGiven, s.values.originX,
                      s.keptOriginX, s.source),
            std::tuple(accepted, accepted, backgroundGiven, originX, accepted ? originX : 0.0,
                PathSource::DataFile));
    }
}

TEST(PathSetupCheck, teaching_needsARouteFileChosenNow_asksBeforeReplacing_checksItsSettings)
{
    TempDir dir;
    PathSetup setup;
    setup.dataFileGiven = true;
    setup.values.dataFilePath = dir.write("route.csv", "old");
    PathSetupEntries entries;
    entries.teaching = entries.curve = true;
    const PathSetupCheck notChosen = checkPathSetup(entries, setup, tryBackground);
    EXPECT_EQ(issues(notChosen.told), std::vector { I::RouteFileNotChosen });
    EXPECT_FALSE(notChosen.setup.dataFileGiven);

    setup.dataFileChanged = true;
    const PathSetupCheck asks = checkPathSetup(entries, setup, tryBackground);
    EXPECT_TRUE(asks.told.empty() && !asks.accepted && asks.setup.route.curve);
    EXPECT_NE(asks.replaceQuestion.find(setup.values.dataFilePath), std::string::npos);

    entries.replaceRouteFile = true;
    const std::tuple<const char *, const char *, std::vector<I>, bool, int, int> rows[] = {
        { "3000", "30", {}, true, 3000, 30 },
        { "5", "101", { I::BadMoveTime, I::BadDivisions }, false, 1000, 10 },
        // 20 characters: the dialog reads 19 of them, all zeros.
        { "0000000000000000001", "00000000000000000001", { I::BadMoveTime, I::BadDivisions }, false,
            1000, 10 },
    };
    for (const auto &[moveTime, divisions, told, accepted, moveTimeMs, divisionCount] : rows) {
        SCOPED_TRACE(divisions);
        std::tie(entries.moveTime, entries.divisions) = std::tuple(moveTime, divisions);
        const PathSetupCheck check = checkPathSetup(entries, setup, tryBackground);
        EXPECT_EQ(issues(check.told), told);
        EXPECT_EQ(std::tuple(check.accepted, check.setup.route.moveTimeMs,
                      check.setup.route.divisionCount, check.setup.source),
            std::tuple(accepted, moveTimeMs, divisionCount, PathSource::Teaching));
    }
}

} // namespace
