#pragma once

// The path setup file (.kvt): the magic line and six value lines.

#include "data/AtomicFile.h"
#include "data/SetupFile.h"

#include <string>
#include <string_view>

struct RunState;

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
};

// values[0] is file line 2 (the background path), values[5] line 7 (the data file path).
SetupFileLines readPathSetupFile(const std::string &path);

// Applies one value line (file line 2..7) to the shared state as loading does. A path line sets
// its path and its given flag; an empty path leaves the flag cleared, so that a setup saved
// without a background brings back the default background.
void applyPathSetupLine(RunState &state, int fileLine, std::string_view text);

FileWriteResult writePathSetupFile(const std::string &path, const PathSetupValues &values);
