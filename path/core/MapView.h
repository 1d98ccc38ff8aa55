#pragma once

// How the background map lies under the picture: its size, the origin of the data coordinates on
// it, the zoom step, and which part of the (zoomed) map the view shows.

#include <algorithm>
#include <array>
#include <cstddef>

// The three zoom steps: full size, half, quarter.
inline constexpr std::array<double, 3> kZoomSteps { 1.0, 0.5, 0.25 };
inline constexpr int kLastZoomIndex = static_cast<int>(kZoomSteps.size()) - 1;

inline double zoomFactor(int zoomIndex)
{
    return kZoomSteps[static_cast<std::size_t>(std::clamp(zoomIndex, 0, kLastZoomIndex))];
}

struct MapView
{
    int mapWidth = 0;
    int mapHeight = 0;
    double originX = 0.0; // data coordinates of the map's lower-left corner
    double originY = 0.0;
    double unitsPerPixel = 1.0; // data units one pixel of the map at full size stands for
    int zoomIndex = 0;
    int srcX = 0; // the view's top-left pixel in the map surface
    int srcY = 0;
    int dstX = 0; // where that pixel goes in the picture
    int dstY = 0;
    bool reanchor = false; // after a zoom: the next tick places the view afresh
};
