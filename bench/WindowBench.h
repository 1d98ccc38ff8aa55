#pragma once

// What the benchmarks that drive the real window share: timing each tick on its own (its median
// and 99th percentile are the figures that matter, not the mean) and a Qt application around them.

#include "platform/QtSetup.h"
#include "res/TraceletResources.h"

#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <vector>

// The microseconds one call of work takes.
inline double micros(const std::function<void()> &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
        .count();
}

inline void timeEachTick(benchmark::State &state, const std::function<void()> &tick)
{
    std::vector<double> taken;
    for (auto _ : state)
        taken.push_back(micros(tick));
    std::sort(taken.begin(), taken.end());
    state.counters["median_us"] = taken[taken.size() / 2];
    state.counters["p99_us"] = taken[std::min(taken.size() - 1, taken.size() * 99 / 100)];
}

inline int runWindowBenchmarks(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    platformSetupApplication();
    registerTraceletResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
