// One correlation tick at 10,000 and at 1,000,000 points, ticks following one another as a run
// plays them: statistics over all points so far, the plot layer restored from the patch layer and
// composed onto the canvas where the ticks drew; beside it, measured in the same run, its floor
// (five full-picture copies at memcpy speed and the statistics of the points so far) and one
// full-picture BitBlt against memcpy. And a run without a plot speed, which reads the file and
// draws every point at once.

#include "WindowBench.h"
#include "correlation/core/CorrStatistics.h"
#include "correlation/ui/CorrelationDiagram.h"
#include "mainwnd/CMainDlg.h"
#include "mainwnd/PictureSize.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"
#include "tests/support/ScriptedPlatform.h"

#include <QAbstractButton>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// A correlation run of points rows in a fresh window, started from a setup file with the plot
// speed given (0: every point at once).
class CorrelationRun
{
public:
    CorrelationRun(int points, int plotSpeedMs)
    {
        installPlatform(&m_scripted);
        std::ofstream data(m_folder / "tracelet-bench-corr.csv");
        for (int i = 0; i < points; ++i) {
            const double x = std::sin(i * 0.37) * 80.0;
            data << x << ',' << x * 0.5 + std::cos(i * 0.11) * 30.0 << '\n';
        }
        data.close();
        std::ofstream(m_folder / "tracelet-bench-corr.kvs", std::ios::binary)
            << "KVT_GRIDWALK_SETUP_SOUKAN\r\ntracelet-bench-corr.csv\r\n1\r\n2\r\n1\r\n"
            << plotSpeedMs << "\r\n1\r\n100.0\r\n-100.0\r\n100.0\r\n-100.0\r\n";
        m_dlg = std::make_unique<CMainDlg>();
        m_dlg->Create();
    }
    ~CorrelationRun()
    {
        m_dlg->DestroyWindow();
        std::filesystem::remove(m_folder / "tracelet-bench-corr.csv");
        std::filesystem::remove(m_folder / "tracelet-bench-corr.kvs");
        installPlatform(nullptr);
    }

    // Presses the run button and answers the setup dialog with the setup file.
    void start()
    {
        m_scripted.answerFileDialog((m_folder / "tracelet-bench-corr.kvs").string());
        m_scripted.expectDialog(IDD_CORR_SETUP,
            { ScriptedPlatform::click(IDC_CORR_LOAD_SETUP), ScriptedPlatform::click(IDOK) });
        press(IDC_CORR_RUN);
    }
    void press(int id) { qobject_cast<QAbstractButton *>(m_dlg->controlWidget(id))->click(); }
    CMainDlg &window() { return *m_dlg; }

private:
    ScriptedPlatform m_scripted;
    std::filesystem::path m_folder = std::filesystem::temp_directory_path();
    std::unique_ptr<CMainDlg> m_dlg;
};

// The median of `runs` timings of `work`, in microseconds.
double medianMicros(int runs, const std::function<void()> &work)
{
    std::vector<double> taken;
    for (int r = 0; r < runs; ++r)
        taken.push_back(micros(work));
    std::sort(taken.begin(), taken.end());
    return taken[taken.size() / 2];
}

// What a tick cannot do without: five full-picture copies at memcpy speed, and the statistics
// of the points so far; and one full-picture BitBlt, as the tick's copies are made.
void measureFloor(benchmark::State &state, CorrelationRun &run, int k)
{
    const std::size_t bytes = std::size_t { kPictureWidth } * kPictureHeight * 4;
    std::vector<std::uint8_t> from(bytes, 1), to(bytes);
    auto copy = [&] {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
    };
    const DataSeries &points
        = static_cast<CorrelationDiagram &>(run.window().diagram("correlation")).model().points;
    CorrStatistics stats;
    const double floor = medianMicros(200, [&] {
        for (int i = 0; i < 5; ++i)
            copy();
        benchmark::DoNotOptimize(computeStatistics(stats, points, k));
    });
    GdiState &gs = run.window().gdi();
    const double blit = medianMicros(200,
        [&] { gs.plotDC.BitBlt(0, 0, kPictureWidth, kPictureHeight, &gs.patchDC, 0, 0, SRCCOPY); });
    const double memcpyMicros = medianMicros(200, copy);
    state.counters["floor_us"] = floor;
    state.counters["tick_per_floor"] = state.counters["median_us"] / floor;
    state.counters["blit_per_memcpy"] = blit / memcpyMicros;
}

void BM_CorrelationTick(benchmark::State &state)
{
    const int points = static_cast<int>(state.range(0));
    CorrelationRun run(points, 50);
    run.start();
    run.press(IDC_PLAY_PAUSE);
    Playback &pb = run.window().playback();
    if (pb.lastIndex() != points - 1 || !pb.playing())
        state.SkipWithError("the correlation run did not start with all its points");
    // Ticks one after another over the last 200 points but one, as a run plays them (the
    // statistics over nearly all points); back to the first of them after the last.
    const int first = points - 201;
    pb.seek(first);
    timeEachTick(state, [&] {
        if (pb.index() > points - 2)
            pb.seek(first);
        pb.tick();
    });
    // The same tick again after a seek back: the whole picture redrawn (the sums stand).
    state.counters["after_seek_us"] = medianMicros(200, [&] {
        pb.seek(points - 2);
        pb.tick();
    });
    measureFloor(state, run, points - 2);
}
BENCHMARK(BM_CorrelationTick)
    ->Arg(10'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(2.0);

// Reading a 1,000,000-row file and drawing every point at once (no plot speed).
void BM_CorrelationRunAllAtOnce(benchmark::State &state)
{
    const int points = static_cast<int>(state.range(0));
    CorrelationRun run(points, 0);
    for (auto _ : state) {
        run.start();
        if (run.window().playback().lastIndex() != points - 1)
            state.SkipWithError("the run did not read all its points");
        run.press(IDC_CORR_RUN); // stop, for the next start
    }
}
BENCHMARK(BM_CorrelationRunAllAtOnce)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv) { return runWindowBenchmarks(argc, argv); }
