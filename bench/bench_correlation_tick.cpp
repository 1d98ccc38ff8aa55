// One correlation tick at 10,000 points: statistics over all of them, the two full-size copies
// between the plot and patch layers, and the composition onto the canvas.

#include "WindowBench.h"
#include "mainwnd/CMainDlg.h"
#include "mainwnd/ClockTasks.h"
#include "platform/ScriptedPlatform.h"

#include <cmath>

namespace {

void BM_CorrelationTickAt10000Points(benchmark::State &state)
{
    ScriptedPlatform scripted;
    installPlatform(&scripted);
    RunState rs;
    GdiState gs;
    CMainDlg dlg(rs, gs);
    dlg.Create();

    for (int i = 0; i < kPointCapacity; ++i) {
        rs.dataX[i] = std::sin(i * 0.37) * 80.0;
        rs.dataY[i] = rs.dataX[i] * 0.5 + std::cos(i * 0.11) * 30.0;
    }
    rs.lastIndex = kPointCapacity - 1;
    rs.corrAutoScale = true;
    rs.frameXMax = 100;
    rs.frameXMin = -100;
    rs.frameYMax = 100;
    rs.frameYMin = -100;
    rs.corrRunning = true;
    rs.playing = true;
    gs.plotDC.SelectObject(&gs.plotLayer);
    gs.overlayDC.SelectObject(&gs.overlayLayer);
    gs.patchDC.SelectObject(&gs.patchLayer);
    rs.corrScaleX = rs.corrScaleY = 299.0 / 200.0;

    timeEachTick(state, [&] {
        rs.plotIndex = kPointCapacity - 2; // the tick before the last: statistics over 9,999 + 1
        correlationTick(dlg);
    });
    dlg.DestroyWindow();
    installPlatform(nullptr);
}
BENCHMARK(BM_CorrelationTickAt10000Points)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv) { return runWindowBenchmarks(argc, argv); }
