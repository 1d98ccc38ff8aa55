#pragma once

// How many data units one pixel of a map stands for: typed in, or calibrated by two clicks on the
// map a known distance apart. A map of one unit a pixel is what every older setup has.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Beyond these a map of a few thousand pixels would span less than a micrometre of a metre log,
// or more than the distance to the moon: a slip of the keys, not a floor plan.
inline constexpr double kMinMapScale = 1e-6;
inline constexpr double kMaxMapScale = 1e6;

bool usableMapScale(double unitsPerPixel);

// A click on the map, in pixels of the map at full size.
struct MapClick
{
    double x = 0.0;
    double y = 0.0;
};

// The scale, or why there is none, in words for the person.
struct MapScaleResult
{
    std::optional<double> unitsPerPixel;
    std::string refusal;
};

// The distance typed (data units) over the distance of the last two clicks (pixels).
MapScaleResult mapScaleFromClicks(const std::vector<MapClick> &clicks, std::string_view distance);

// A scale typed as it is.
MapScaleResult mapScaleFromEntry(std::string_view text);

// The shortest text that reads back as the same scale ("0.05", "1").
std::string formatMapScale(double unitsPerPixel);
