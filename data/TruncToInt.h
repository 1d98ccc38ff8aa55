#pragma once

// Every double that becomes a pixel, a frame bound or a period goes through here: truncation toward
// zero as a C cast does, but defined for every input (NaN gives 0, values beyond int32 saturate).

#include <cmath>
#include <cstdint>
#include <limits>

inline int truncToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<int>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

// Narrows a 64-bit intermediate to int32, saturating.
inline int clampToInt(std::int64_t value)
{
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}
