#pragma once

#include <vector>

// Largest / smallest element of values over the index range between first and last (either
// order). A later element replaces the kept one only when strictly larger (smaller). The range is
// cut to the array; an empty array gives 0.0.
double scanMaximum(int first, int last, const std::vector<double> &values);
double scanMinimum(int first, int last, const std::vector<double> &values);
