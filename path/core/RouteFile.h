#pragma once

#include "data/AtomicFile.h"

#include <string>

struct RunState;

// The teaching-output file: a heading line in code page 932, then outputPointCount rows of X, Y and
// direction, the first also carrying teachMoveTimeMs and plotPeriodMs, every line ended by CR LF.
std::string teachingFileText(const RunState &state);

// Writes teachingFileText to dataFilePath, unless it would not read back as the same route: a
// value that is not a number, or a line too long for the reader to take in one piece.
FileWriteResult writeTeachingFile(const RunState &state);
