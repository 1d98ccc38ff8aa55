// One path tick with the character read again from its file, turned and stamped, at full size and
// at a quarter: the bundled map, walk and walker, played in the real window on the manual clock.

#include "WindowBench.h"
#include "mainwnd/CMainDlg.h"
#include "path/core/PathSetupFile.h"
#include "path/ui/PathDiagram.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"
#include "tests/support/ScriptedPlatform.h"

#include <QAbstractButton>

namespace {

void BM_PathTickWithCharacter(benchmark::State &state)
{
    ScriptedPlatform scripted;
    installPlatform(&scripted);
    CMainDlg dlg;
    dlg.Create();
    auto press
        = [&dlg](int id) { qobject_cast<QAbstractButton *>(dlg.controlWidget(id))->click(); };
    scripted.answerFileDialog(TRACELET_SAMPLES_DIR "/path_walk.kvt");
    scripted.expectDialog(IDD_PATH_SETUP,
        { ScriptedPlatform::click(IDC_PATH_LOAD_SETUP), ScriptedPlatform::click(IDOK) });
    press(IDC_PATH_RUN);
    for (int i = 0; i < state.range(0); ++i)
        press(IDC_ZOOM_OUT);
    press(IDC_PLAY_PAUSE);
    press(IDC_PLAY_PAUSE); // held: every tick draws the same point, so the run never ends
    dlg.playback().seek(150);

    timeEachTick(state, [&] { dlg.playback().tick(); });
    auto &path = static_cast<PathDiagram &>(dlg.diagram("path"));
    if (!path.running() || !path.setup().characterGiven || !scripted.messages().empty())
        state.SkipWithError("the walk did not start as expected");
    press(IDC_PATH_RUN);
    dlg.DestroyWindow();
    installPlatform(nullptr);
}
// Argument: zoom-out presses (0: 等倍, 2: 1/4倍).
BENCHMARK(BM_PathTickWithCharacter)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv) { return runWindowBenchmarks(argc, argv); }
