#pragma once

#include "data/DataSeries.h"

struct DataReadReport;

// Number of text fields a data line can fill; columns outside 1..kFieldCount read as 0.0.
inline constexpr int kFieldCount = 1024;

// Reads the data file from line columns.startRow on: column xColumn into series.x, and under their
// use flags yColumn into series.y and (withPathColumns only) directionColumn into
// series.direction, interpSpeedColumn and plotSpeedColumn of the first row into the first-row
// speeds. Every row of the file is read, up to columns.rowLimit (more refuses the file). Empty
// lines are skipped; a line whose X, Y or direction field holds no number, or that reads better in
// another dialect than the file's, is left out. A field that starts with a number reads as that
// number ("12abc" is 12); a line that ends before a column keeps the text an earlier line gave it.
// Fields may be quoted as spreadsheets write them. After a file that opened it sets lastIndex
// (rows − 1). Returns the row count. A report, when given, learns what was read and left out
// (see dataReadMessage); the values read are the same with or without it.
int loadDataColumns(const DataColumns &columns, DataSeries &series, bool withPathColumns,
    DataReadReport *report = nullptr);
