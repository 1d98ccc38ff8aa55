#pragma once

// The correlation setup file (.kvs): the magic line and ten value lines, then the tagged lines of
// newer settings: "FRAME=FIT" for a frame fitted to the data (line 7 then says automatic, the
// nearest a reader of the ten lines knows); "AXIS_TITLES=1" for the column headings drawn
// beside the axes; TIME_COLUMN, TIME_UNIT and PLAY_SPEED for points played at their logged times.

#include "data/AtomicFile.h"
#include "data/LoggedTime.h"
#include "data/SetupFile.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kCorrSetupMagic = "KVT_GRIDWALK_SETUP_SOUKAN";
inline constexpr int kCorrSetupValueLines = 10;

struct CorrSetupValues
{
    std::string dataFilePath;
    int xColumn = 1;
    int yColumn = 2;
    int dataStartRow = 1;
    int plotSpeedMs = 0; // the plot speed when its check box is on, else 0
    bool autoScale = true;
    double frameXTop = 100.0;
    double frameXBottom = -100.0;
    double frameYTop = 100.0;
    double frameYBottom = -100.0;
    bool fitFrame = false; // the frame spans the data, whatever autoScale says
    // The heading line's column names beside the axes; off where a setup predates them, so that
    // its pictures stay as they were drawn.
    bool axisTitles = false;
    TimeColumnSetup time {}; // no column: every point at the plot speed
    std::vector<SetupTag> otherTags {}; // tags of settings this version does not know, kept as read
};

// The fields of the setup dialog, each with its flag in CorrSetup::changed.
enum CorrSetupField : std::size_t {
    kYBottom = 0,
    kYTop,
    kXBottom,
    kXTop,
    kAutoScale,
    kStartRow,
    kPlotSpeed,
    kYColumn,
    kXColumn,
    kDataFile,
    kFitFrame,
    kAxisTitles,
    kTimeColumn,
    kCorrSetupFieldCount,
};

// What the correlation setup dialog edits: the values its file holds and what it knows of them.
struct CorrSetup
{
    // Nothing entered yet: the dialog shows its defaults and counts every entry as a change.
    CorrSetupValues values = [] {
        CorrSetupValues v;
        v.xColumn = v.yColumn = v.dataStartRow = 0;
        v.autoScale = false;
        return v;
    }();
    std::string setupFilePath;
    bool dataFileGiven = false;
    bool done = false; // accepted once: the next showing may offer it again
    std::array<bool, kCorrSetupFieldCount> changed {};
    std::string fileToLoad; // a setup file named on the command line, loaded at the next showing
    std::string loadNote; // what the last load told about where its data file was found
};

// values[0] is file line 2 (the data file path), values[9] line 11.
SetupFileLines readCorrSetupFile(const std::string &path);

// Applies one value line (file line 2..11) as loading does; the dialog shows the text in its
// control.
void applyCorrSetupLine(CorrSetup &setup, int fileLine, std::string_view text);
// Applies the tagged lines of a complete file; a setting without its tag is off.
void applyCorrSetupTags(CorrSetupValues &values, const std::vector<SetupTag> &tags);

FileWriteResult writeCorrSetupFile(const std::string &path, const CorrSetupValues &values);
