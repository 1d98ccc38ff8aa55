// Core data engine: reading a full data file, statistics over a full array, a curve route through
// the most teaching points the curve method takes.

#include "correlation/core/CorrStatistics.h"
#include "data/CsvReader.h"
#include "data/NumberText.h"
#include "mainwnd/RunState.h"
#include "path/core/CurveInterpolation.h"
#include "path/core/TeachingRoute.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string writeRouteFile()
{
    const auto path = std::filesystem::temp_directory_path() / "tracelet-bench-10000.csv";
    std::string text = "X,Y,direction,interp,plot\r\n";
    for (int i = 0; i < kPointCapacity; ++i) {
        appendFixed(text, i * 0.37, 6);
        text += ',';
        appendFixed(text, std::sin(i * 0.01) * 300.0, 6);
        text += ',';
        appendFixed(text, (i * 7) % 360, 6);
        text += i == 0 ? ",1000,50\r\n" : "\r\n";
    }
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

void BM_LoadDataColumns10000Rows(benchmark::State &bench)
{
    const std::string path = writeRouteFile();
    RunState state;
    state.dataFilePath = path;
    state.xColumn = 1;
    state.yColumn = 2;
    state.directionColumn = 3;
    state.interpSpeedColumn = 4;
    state.plotSpeedColumn = 5;
    state.dataStartRow = 2;
    state.useYColumn = state.useDirectionColumn = true;
    state.useInterpSpeedColumn = state.usePlotSpeedColumn = true;
    for (auto _ : bench)
        benchmark::DoNotOptimize(loadDataColumns(state, true));
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadDataColumns10000Rows)->Unit(benchmark::kMillisecond);

void BM_Statistics10000Points(benchmark::State &bench)
{
    RunState state;
    for (int i = 0; i < kPointCapacity; ++i) {
        state.dataX[static_cast<std::size_t>(i)] = i * 0.5;
        state.dataY[static_cast<std::size_t>(i)] = std::cos(i * 0.001) * 100.0 + i * 0.01;
    }
    for (auto _ : bench) {
        benchmark::DoNotOptimize(computeRegression(state, kPointCapacity - 1));
        benchmark::DoNotOptimize(computeCorrelationTerms(state, kPointCapacity - 1));
    }
}
BENCHMARK(BM_Statistics10000Points)->Unit(benchmark::kMicrosecond);

void BM_CurveRoute1000TeachingPoints(benchmark::State &bench)
{
    RunState state;
    for (int i = 0; i < kSplineStride; ++i) {
        state.teachX[static_cast<std::size_t>(i)] = i * 3.0 + std::sin(i * 0.1) * 20.0;
        state.teachY[static_cast<std::size_t>(i)] = std::cos(i * 0.05) * 200.0 + 300.0;
    }
    state.teachCount = kSplineStride;
    state.divisionCount = 10;
    const SleepFunction noWait = [](int) {};
    for (auto _ : bench) {
        benchmark::DoNotOptimize(interpolateCurve(state, noWait));
        computeDirections(state, 0, state.outputPointCount - 1);
    }
}
BENCHMARK(BM_CurveRoute1000TeachingPoints)->Unit(benchmark::kMillisecond);

} // namespace
