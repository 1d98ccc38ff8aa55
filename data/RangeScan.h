#pragma once

#include <vector>

struct RunState;

// Largest / smallest element of values over the index range between first and last (either
// order), stepping by decimationStep. A later element replaces the kept one only when strictly
// larger (smaller). The range is cut to the array; an empty array gives 0.0.
double scanMaximum(const RunState &state, int first, int last, const std::vector<double> &values);
double scanMinimum(const RunState &state, int first, int last, const std::vector<double> &values);
