#pragma once

#include <string>

struct DataReadReport;

// The one message that tells the person what a read of the data file met: why it gave no data
// row, or how many rows it read, which lines it left out and why (with the first line numbers),
// which columns were missing or held a first-row speed without a number, with the start row to
// choose when the first data line looks like a heading. Empty for a clean file.
std::string dataReadMessage(const DataReadReport &report);

// The command line's one-line account of a read that left lines out: "60 行を読みました。除いた行:
// 空行 1 (31 行目)、数値のない行 1 (61 行目)". Empty when every line after the headings gave a row.
std::string dataReadNote(const DataReadReport &report);
