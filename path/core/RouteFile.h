#pragma once

#include "data/AtomicFile.h"
#include "path/core/Teaching.h"

#include <string>

// The route file: a heading line in code page 932 (or in UTF-8 when settings.utf8Heading), then the
// route's rows 0..lastIndex of X, Y and direction, the first also carrying the move time and the
// plot period, every line ended by CR LF. A reader skips the heading, so both read the same.
std::string teachingFileText(const DataSeries &route, const RouteSettings &settings);

// Writes teachingFileText to settings.filePath, unless it would not read back as the same route:
// a value that is not a number, or a line too long for the reader to take in one piece.
FileWriteResult writeTeachingFile(const DataSeries &route, const RouteSettings &settings);
