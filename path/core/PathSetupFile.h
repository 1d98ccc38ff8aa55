#pragma once

// The path setup file (.kvt): the magic line and six value lines, then the tagged lines of newer
// settings, which a reader of the six lines never reaches; a setup without them is written as
// before. TIME_COLUMN, TIME_UNIT and PLAY_SPEED play the data file's points at their logged times.

#include "data/AtomicFile.h"
#include "data/LoggedTime.h"
#include "data/SetupFile.h"
#include "path/core/Teaching.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kPathSetupMagic = "KVT_GRIDWALK_SETUP";
inline constexpr int kPathSetupValueLines = 6;

struct PathSetupValues
{
    std::string backgroundFilePath; // empty when no background is given
    double originX = 0.0;
    double originY = 0.0;
    std::string characterFilePath; // empty when not given
    std::string character2FilePath; // empty when not given
    std::string dataFilePath;
    double mapUnitsPerPixel = 1.0; // MAP_SCALE: data units one map pixel stands for
    TimeColumnSetup time {}; // no column: every point at the first row's plot speed
    std::vector<SetupTag> otherTags {}; // tags of settings this version does not know, kept as read
};

// What the path setup dialog edits: the values its file holds, which files were given in this
// showing, and what teaching does.
struct PathSetup
{
    PathSetupValues values; // the paths stay while their files are not given, for the file dialogs
    std::string setupFilePath;
    bool backgroundGiven = false;
    bool characterGiven = false;
    bool character2Given = false;
    bool dataFileGiven = false;
    bool backgroundChanged = false;
    bool characterChanged = false;
    bool character2Changed = false;
    bool dataFileChanged = false;
    bool done = false; // accepted once: the next showing may offer it again
    // The origin accepted last: what a showing that offers the accepted setup again brings back.
    double keptOriginX = 0.0, keptOriginY = 0.0;
    double keptMapUnitsPerPixel = 1.0;
    PathSource source = PathSource::None;
    RouteSettings route; // for teaching; route.filePath is values.dataFilePath
    std::string fileToLoad; // a setup file named on the command line, loaded at the next showing
    std::set<std::string> charactersTold; // character files whose fault OK told
};

// values[0] is file line 2 (the background path), values[5] line 7 (the data file path).
SetupFileLines readPathSetupFile(const std::string &path);

// Applies one value line (file line 2..7) as loading does. A path line sets its path and its given
// flag; an empty path leaves the flag cleared, so that a setup saved without a background brings
// back the default background.
void applyPathSetupLine(PathSetup &setup, int fileLine, std::string_view text);

// Applies the tagged lines of a complete file; a setting without its tag is off, and a map scale
// that cannot be one leaves the map at one unit a pixel.
void applyPathSetupTags(PathSetupValues &values, const std::vector<SetupTag> &tags);

FileWriteResult writePathSetupFile(const std::string &path, const PathSetupValues &values);
