#pragma once

// When the points of a run with logged times are due, and when a recording of it captures its
// frames. Every time counts from the run's start, so that rounding never adds up.

#include <optional>
#include <vector>

// Milliseconds from the start at which each point is due: its logged seconds over the speed.
std::vector<long long> playTimesMs(const std::vector<double> &seconds, double playSpeed);

// The period of a clock that meets every due time exactly: their greatest common divisor, also
// with restPeriodMs (how often a resting run redraws), at least 1.
int schedulePeriodMs(const std::vector<long long> &dueMs, int restPeriodMs);

// When a recording captures a frame: by default as each point is due, the points due within one
// hundredth of a second (what a GIF frame can last) taken into the last of them; with everyMs, or
// when there would be more than sizeLimit frames, on a grid every everyMs from the start, grown so
// that sizeLimit frames reach the last point.
std::vector<long long> frameTimesMs(
    const std::vector<long long> &dueMs, std::optional<long long> everyMs, int sizeLimit);
