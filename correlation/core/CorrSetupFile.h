#pragma once

// The correlation setup file (.kvs): the magic line and ten value lines.

#include "data/AtomicFile.h"
#include "data/SetupFile.h"

#include <string>
#include <string_view>

struct RunState;

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
};

// values[0] is file line 2 (the data file path), values[9] line 11.
SetupFileLines readCorrSetupFile(const std::string &path);

// Applies one value line (file line 2..11) to the shared state as loading does; the dialog shows
// the text in its control.
void applyCorrSetupLine(RunState &state, int fileLine, std::string_view text);

FileWriteResult writeCorrSetupFile(const std::string &path, const CorrSetupValues &values);
