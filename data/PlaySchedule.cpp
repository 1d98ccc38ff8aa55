#include "data/PlaySchedule.h"

#include <algorithm>
#include <cmath>
#include <numeric>

std::vector<long long> playTimesMs(const std::vector<double> &seconds, double playSpeed)
{
    std::vector<long long> due;
    due.reserve(seconds.size());
    for (double s : seconds)
        due.push_back(std::llround(s * 1000.0 / playSpeed));
    return due;
}

int schedulePeriodMs(const std::vector<long long> &dueMs, int restPeriodMs)
{
    long long period = std::max(restPeriodMs, 1);
    for (long long due : dueMs)
        period = std::gcd(period, due);
    return static_cast<int>(std::max(period, 1LL));
}

std::vector<long long> frameTimesMs(
    const std::vector<long long> &dueMs, std::optional<long long> everyMs, int sizeLimit)
{
    std::vector<long long> frames;
    if (dueMs.empty())
        return frames;
    const auto centisecond = [](long long ms) { return (ms + 5) / 10; };
    if (!everyMs) {
        for (std::size_t i = 0; i < dueMs.size(); ++i)
            if (i + 1 == dueMs.size() || centisecond(dueMs[i + 1]) != centisecond(dueMs[i]))
                frames.push_back(dueMs[i]);
        if (static_cast<int>(frames.size()) <= sizeLimit)
            return frames;
        frames.clear();
    }
    const long long last = dueMs.back();
    const long long limit = std::max(sizeLimit, 1);
    const long long every = std::max({ everyMs.value_or(1), (last + limit - 1) / limit, 1LL });
    for (long long at = every; at < last + every; at += every)
        frames.push_back(at);
    if (frames.empty())
        frames.push_back(0);
    return frames;
}
