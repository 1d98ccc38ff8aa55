#pragma once

// What a read of a data file takes (the file, its first data line, the columns) and what it gives
// (the points, in arrays of a fixed capacity).

#include <string>
#include <vector>

// Fixed capacity of every point array: a data file contributes at most this many rows.
inline constexpr int kPointCapacity = 10000;

struct DataColumns
{
    std::string path;
    int startRow = 1; // the first line read as data; the lines above it are headings
    int xColumn = 1;
    int yColumn = 2;
    int directionColumn = 3;
    int interpSpeedColumn = 4;
    int plotSpeedColumn = 5;
    bool useY = false;
    bool useDirection = false;
    bool useInterpSpeed = false;
    bool usePlotSpeed = false;
};

struct DataSeries
{
    DataSeries() { clear(); }

    // Zero-filled arrays of full capacity; the first-row speeds back to 0.
    void clear()
    {
        x.assign(kPointCapacity, 0.0);
        y.assign(kPointCapacity, 0.0);
        direction.assign(kPointCapacity, 0.0);
        firstRowInterpSpeed = 0.0;
        firstRowPlotSpeed = 0.0;
    }

    std::vector<double> x, y, direction;
    int lastIndex = 0; // the last point read; -1 after a read that found no row
    double firstRowInterpSpeed = 0.0;
    double firstRowPlotSpeed = 0.0;
};
