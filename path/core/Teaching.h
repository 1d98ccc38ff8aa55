#pragma once

// What teaching works with: the points taught with the mouse, and how they become a route.

#include "data/DataSeries.h"

#include <string>
#include <vector>

// Where the path run takes its points from.
enum class PathSource {
    None,
    Teaching, // clicks add teaching points; play turns them into a route
    Correcting, // clicks pick a teaching point and move it
    DataFile, // a path data file, or a route built from the teaching points
};

// Teaching takes at most this many points, and a route built from them holds at most this many.
inline constexpr int kTeachingCapacity = 10000;

struct TeachingPoints
{
    std::vector<double> x = std::vector<double>(kTeachingCapacity, 0.0);
    std::vector<double> y = std::vector<double>(kTeachingCapacity, 0.0);
    int count = 0;
};

struct RouteSettings
{
    int divisionCount = 20; // route steps between two teaching points
    bool curve = false; // B-spline through the points, else straight lines
    int moveTimeMs = 0; // from one teaching point to the next
    int plotPeriodMs = 0; // moveTimeMs / divisionCount: one route step
    std::string filePath; // the route file written when the route is built
    bool utf8Heading = false; // the heading line in UTF-8 rather than code page 932
};

// The period a route plays at: one route step, but never below the 1 ms a clock can run at.
inline int playedPeriodMs(const RouteSettings &settings)
{
    return settings.plotPeriodMs < 1 ? 1 : settings.plotPeriodMs;
}
