#include "data/RangeWidening.h"

#include "data/NumberText.h"
#include "data/TruncToInt.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace {

// Drops the last digits of value: truncation toward zero to a multiple of unit.
std::int64_t cutToMultiple(std::int64_t value, std::int64_t unit) { return value / unit * unit; }

// Steps above 1: the step is cut to its leading digit and the bounds to that digit's place.
WidenedRange widenCoarse(double hi, double lo, double step)
{
    const std::int64_t ihi = truncToInt(hi);
    const std::int64_t ilo = truncToInt(lo);
    const std::int64_t n = truncToInt(step < 10.0 ? 10.0 : step);
    std::int64_t place = 1;
    while (n / place >= 10)
        place *= 10;
    const std::int64_t unit = n / place * place;
    return { clampToInt(cutToMultiple(ihi + unit, place)),
        clampToInt(cutToMultiple(ilo - unit, place)) };
}

// Keeps the sign, the integer part, the point and `decimals` decimals of the "%f" text of value.
double cutAfterDecimals(double value, std::size_t decimals)
{
    std::string text = formatFixed(value, 6);
    const std::size_t point = text.find('.');
    if (point != std::string::npos && point + 1 + decimals < text.size())
        text.resize(point + 1 + decimals);
    return parseDouble(text);
}

// Steps of 1 or less: the unit is read off the "%f" text of the step, zeros after the point
// deciding the decimal place of the cut.
WidenedRange widenFine(double hi, double lo, double step)
{
    const std::string text = formatFixed(step, 6);
    const std::string_view fraction
        = std::string_view(text).substr(text.size() < 2 ? text.size() : 2);
    std::size_t zeros = 0;
    while (zeros < fraction.size() && fraction[zeros] == '0')
        ++zeros;
    const double unit = parseDouble(std::string_view(text).substr(0, zeros + 3));
    return { truncToInt(cutAfterDecimals(hi, zeros + 1) + unit),
        truncToInt(cutAfterDecimals(lo, zeros + 1) - unit) };
}

} // namespace

WidenedRange widenRange(double hi, double lo)
{
    const double step = std::fabs(hi - lo) * 0.1;
    return step > 1.0 ? widenCoarse(hi, lo, step) : widenFine(hi, lo, step);
}
