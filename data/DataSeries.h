#pragma once

// What a read of a data file takes (the file, its first data line, the columns) and what it gives
// (the points, as many as the file holds).

#include "data/LoggedTime.h"

#include <algorithm>
#include <string>
#include <vector>

// The most rows one data file may give: ten million points of three values take 240 MB. A larger
// file is refused, never cut short.
inline constexpr int kMaxDataRows = 10'000'000;

struct DataColumns
{
    std::string path;
    int startRow = 1; // the first line read as data; the lines above it are headings
    int xColumn = 1;
    int yColumn = 2;
    int directionColumn = 3;
    int interpSpeedColumn = 4;
    int plotSpeedColumn = 5;
    int rowLimit = kMaxDataRows; // a file with more rows is refused, never cut short
    bool useY = false;
    bool useDirection = false;
    bool useInterpSpeed = false;
    bool usePlotSpeed = false;
    int timeColumn = 0; // the column of logged times; 0 for none
    TimeUnit timeUnit = TimeUnit::Seconds;
};

// Points of a run: x, y and direction always have one length; unused values are 0.
struct DataSeries
{
    // No point; the first-row speeds back to 0.
    void clear() { resize(0); }

    // count points, all zero (a route is built into them).
    void resize(std::size_t count)
    {
        x.assign(count, 0.0);
        y.assign(count, 0.0);
        direction.assign(count, 0.0);
        line.clear();
        time.clear();
        timeOrigin = 0.0;
        firstRowInterpSpeed = 0.0;
        firstRowPlotSpeed = 0.0;
    }

    std::size_t size() const { return std::min({ x.size(), y.size(), direction.size() }); }

    // Whether point i lies within the arrays.
    bool holds(int i) const { return i >= 0 && static_cast<std::size_t>(i) < size(); }

    // The file line point i was read from; 0 when it was not read from a file.
    int lineOf(int i) const
    {
        return i >= 0 && static_cast<std::size_t>(i) < line.size()
            ? line[static_cast<std::size_t>(i)]
            : 0;
    }

    std::vector<double> x, y, direction;
    // The file line each point was read from; empty for points built, not read (a route).
    std::vector<int> line;
    // Seconds from the first row's logged time, one per point; empty without a time column.
    std::vector<double> time;
    double timeOrigin = 0.0; // the first row's time as written: of the day, or since 1970
    int lastIndex = -1; // the last point read; -1 when there is none
    double firstRowInterpSpeed = 0.0;
    double firstRowPlotSpeed = 0.0;
};
