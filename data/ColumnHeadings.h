#pragma once

// The names a data file's heading line gives its columns: the line just before the first data
// row, when its field in a column is text rather than a number.

#include <string>

struct ColumnHeadings
{
    std::string x, y; // empty where the heading names nothing
};

// The headings of xColumn and yColumn (from 1) in the line startRow − 1, read in the file's own
// dialect; none when the data starts on line 1 or the file cannot be read.
ColumnHeadings readColumnHeadings(const std::string &path, int startRow, int xColumn, int yColumn);
