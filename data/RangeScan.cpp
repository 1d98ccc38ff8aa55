#include "data/RangeScan.h"

#include <algorithm>

namespace {

template <typename Better>
double scan(int first, int last, const std::vector<double> &values, Better better)
{
    if (values.empty())
        return 0.0;
    const int top = static_cast<int>(values.size()) - 1;
    const int lo = std::clamp(std::min(first, last), 0, top);
    const int hi = std::clamp(std::max(first, last), 0, top);
    double kept = values[static_cast<std::size_t>(lo)];
    for (int i = lo + 1; i <= hi; ++i) {
        const double v = values[static_cast<std::size_t>(i)];
        if (better(v, kept))
            kept = v;
    }
    return kept;
}

} // namespace

double scanMaximum(int first, int last, const std::vector<double> &values)
{
    return scan(first, last, values, [](double v, double kept) { return v > kept; });
}

double scanMinimum(int first, int last, const std::vector<double> &values)
{
    return scan(first, last, values, [](double v, double kept) { return v < kept; });
}
