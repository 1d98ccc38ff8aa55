#pragma once

struct DataReadReport;
struct RunState;

// Number of text fields a data line can fill; columns outside 1..kFieldCount read as 0.0.
inline constexpr int kFieldCount = 1024;

// Reads the data file dataFilePath from line dataStartRow on: column xColumn into dataX, and under
// their use flags yColumn into dataY and (withPathColumns only) directionColumn into
// dataDirection, interpSpeedColumn and plotSpeedColumn of the first row into firstRowInterpSpeed
// and firstRowPlotSpeed / tickPeriodMs. A blank line ends the data; at most kPointCapacity rows.
// With rows read it sets lastIndex and widens the X and Y frame ranges. Returns the row count.
// A report, when given, learns why no row came or which fields held no number (see
// dataReadMessage); the values read are the same with or without it.
int loadDataColumns(RunState &state, bool withPathColumns, DataReadReport *report = nullptr);
