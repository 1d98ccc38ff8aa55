#pragma once

#include "data/DataSeries.h"

#include <string>

// Reads the data file as loadDataColumns does (same values, same row count), then tells the
// person in one message box what kept the file from giving clean data: that it cannot be
// opened, that it holds no data row from the start row, or which columns held fields without a
// number (nothing for a clean file). Both diagrams read their data file through it.
int loadDataColumnsWithMessage(
    const DataColumns &columns, DataSeries &series, bool withPathColumns);

// Why a run started from its setup file has nothing to play, in words: its data file cannot be
// read, or holds no data row from the start row on.
std::string noDataRefusal(const std::string &dataFile, const std::string &setupFile, int startRow);
