// Core data engine: reading a full data file, statistics over a full array, a curve route through
// the most teaching points the curve method takes.

#include "correlation/core/CorrStatistics.h"
#include "data/CsvReader.h"
#include "data/NumberText.h"
#include "path/core/CurveInterpolation.h"
#include "path/core/TeachingRoute.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kRows = 10000;

// A path data file of kRows rows; with a separator other than the comma its decimals are
// written with a comma, as spreadsheets of decimal-comma regions save them.
std::string writeRouteFile(char separator = ',')
{
    const auto path = std::filesystem::temp_directory_path()
        / (separator == ',' ? "tracelet-bench-10000.csv" : "tracelet-bench-10000-semicolon.csv");
    std::string text = "X,Y,direction,interp,plot\r\n";
    for (int i = 0; i < kRows; ++i) {
        appendFixed(text, i * 0.37, 6);
        text += ',';
        appendFixed(text, std::sin(i * 0.01) * 300.0, 6);
        text += ',';
        appendFixed(text, (i * 7) % 360, 6);
        text += i == 0 ? ",1000,50\r\n" : "\r\n";
    }
    if (separator != ',')
        for (char &c : text)
            c = c == ',' ? separator : (c == '.' ? ',' : c);
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

void BM_LoadDataColumns10000Rows(benchmark::State &bench, char separator)
{
    const std::string path = writeRouteFile(separator);
    DataColumns columns;
    columns.path = path;
    columns.startRow = 2;
    columns.useY = columns.useDirection = columns.useInterpSpeed = columns.usePlotSpeed = true;
    DataSeries series;
    for (auto _ : bench)
        benchmark::DoNotOptimize(loadDataColumns(columns, series, true));
    std::filesystem::remove(path);
}
BENCHMARK_CAPTURE(BM_LoadDataColumns10000Rows, comma, ',')->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadDataColumns10000Rows, semicolonDecimalComma, ';')
    ->Unit(benchmark::kMillisecond);

void BM_Statistics10000Points(benchmark::State &bench)
{
    DataSeries points;
    points.resize(kRows);
    for (int i = 0; i < kRows; ++i) {
        points.x[static_cast<std::size_t>(i)] = i * 0.5;
        points.y[static_cast<std::size_t>(i)] = std::cos(i * 0.001) * 100.0 + i * 0.01;
    }
    CorrStatistics stats;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(computeRegression(stats, points, kRows - 1));
        benchmark::DoNotOptimize(computeCorrelationTerms(stats, points, kRows - 1));
    }
}
BENCHMARK(BM_Statistics10000Points)->Unit(benchmark::kMicrosecond);

void BM_CurveRoute1000TeachingPoints(benchmark::State &bench)
{
    TeachingPoints points;
    for (int i = 0; i < kSplineStride; ++i) {
        points.x[static_cast<std::size_t>(i)] = i * 3.0 + std::sin(i * 0.1) * 20.0;
        points.y[static_cast<std::size_t>(i)] = std::cos(i * 0.05) * 200.0 + 300.0;
    }
    points.count = kSplineStride;
    const int divisions = 10;
    SplineWork spline;
    DataSeries route;
    route.resize(static_cast<std::size_t>(routePointCount(points.count, divisions)));
    for (auto _ : bench) {
        benchmark::DoNotOptimize(interpolateCurve(spline, points, divisions, 0, route));
        computeDirections(route, 0, routePointCount(points.count, divisions) - 1);
    }
}
BENCHMARK(BM_CurveRoute1000TeachingPoints)->Unit(benchmark::kMillisecond);

} // namespace
