#pragma once

// The points file: the taught points as they were clicked, one "x,y" line each (six decimals,
// CR LF), no heading. `tracelet route` and `render --taught` read it, and teaching opens it again.

#include "path/core/TeachingEdits.h"

#include <string>
#include <vector>

std::string teachingPointsText(const std::vector<TaughtPoint> &points);
