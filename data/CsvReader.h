#pragma once

#include "data/DataSeries.h"

struct DataReadReport;

// Number of text fields a data line can fill; columns outside 1..kFieldCount read as 0.0.
inline constexpr int kFieldCount = 1024;

// Reads the data file from line columns.startRow on: column xColumn into series.x, and under their
// use flags yColumn into series.y and (withPathColumns only) directionColumn into
// series.direction, interpSpeedColumn and plotSpeedColumn of the first row into the first-row
// speeds. A blank line ends the data; at most kPointCapacity rows. After a file that opened it
// sets lastIndex (rows − 1). Returns the row count. A report, when given, learns why no row came
// or which fields held no number (see dataReadMessage); the values read are the same with or
// without it.
int loadDataColumns(const DataColumns &columns, DataSeries &series, bool withPathColumns,
    DataReadReport *report = nullptr);
