// One correlation tick at 10,000 points: statistics over all of them, the two full-size copies
// between the plot and patch layers, and the composition onto the canvas.

#include "WindowBench.h"
#include "mainwnd/CMainDlg.h"
#include "platform/ScriptedPlatform.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <QAbstractButton>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

void BM_CorrelationTickAt10000Points(benchmark::State &state)
{
    ScriptedPlatform scripted;
    installPlatform(&scripted);
    const auto folder = std::filesystem::temp_directory_path();
    std::ofstream data(folder / "tracelet-bench-corr.csv");
    for (int i = 0; i < 10000; ++i) {
        const double x = std::sin(i * 0.37) * 80.0;
        data << x << ',' << x * 0.5 + std::cos(i * 0.11) * 30.0 << '\n';
    }
    data.close();
    std::ofstream(folder / "tracelet-bench-corr.kvs", std::ios::binary)
        << "KVT_GRIDWALK_SETUP_SOUKAN\r\ntracelet-bench-corr.csv\r\n1\r\n2\r\n1\r\n50\r\n1\r\n"
           "100.0\r\n-100.0\r\n100.0\r\n-100.0\r\n";

    CMainDlg dlg;
    dlg.Create();
    scripted.answerFileDialog((folder / "tracelet-bench-corr.kvs").string());
    scripted.expectDialog(IDD_CORR_SETUP,
        { ScriptedPlatform::click(IDC_CORR_LOAD_SETUP), ScriptedPlatform::click(IDOK) });
    qobject_cast<QAbstractButton *>(dlg.controlWidget(IDC_CORR_RUN))->click();
    qobject_cast<QAbstractButton *>(dlg.controlWidget(IDC_PLAY_PAUSE))->click();
    Playback &pb = dlg.playback();
    if (pb.lastIndex != 9999 || !pb.playing)
        state.SkipWithError("the correlation run did not start with 10,000 points");

    timeEachTick(state, [&] {
        pb.index = 9998; // the tick before the last: statistics over 9,999 + 1
        pb.playing = true;
        dlg.OnTick(0);
    });
    dlg.DestroyWindow();
    std::filesystem::remove(folder / "tracelet-bench-corr.csv");
    std::filesystem::remove(folder / "tracelet-bench-corr.kvs");
    installPlatform(nullptr);
}
BENCHMARK(BM_CorrelationTickAt10000Points)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv) { return runWindowBenchmarks(argc, argv); }
