#pragma once

#include <string>

struct DataReadReport;

// The one message that tells the person what a read of the data file met: why it gave no data
// row, or which columns held fields without a number or were missing, how often and from which
// line on, with the start row to choose when the first data line looks like a heading. Empty
// when there is nothing to tell.
std::string dataReadMessage(const DataReadReport &report);
