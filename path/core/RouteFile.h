#pragma once

#include "data/AtomicFile.h"

#include <string>

struct RunState;

// The teaching-output file: a heading line in code page 932, then outputPointCount rows of X, Y and
// direction, the first also carrying teachMoveTimeMs and plotPeriodMs, every line ended by CR LF.
std::string teachingFileText(const RunState &state);

// Writes teachingFileText to dataFilePath.
FileWriteResult writeTeachingFile(const RunState &state);
