// Long animations on the real clock, for a person to run under AddressSanitizer / LeakSanitizer
// (tools/soak.sh): the main window, its dialogs answered from a script, its timers and tick from
// the real platform. Each run plays a 10,000-point animation to its end at 1 ms per point, stops
// it, plays it again and closes the window while it plays. It reports resident memory before and
// after, and fails when a timer or tick outlives the stop or the close, or the animation does
// not end. Leaks are LeakSanitizer's to report when the program exits.
//   tracelet_soak [RUN...]      runs: correlation (default: all)

#include "mainwnd/CMainDlg.h"
#include "platform/QtPlatform.h"
#include "platform/QtSetup.h"
#include "platform/ScriptedPlatform.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"
#include "res/TraceletResources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kPoints = 10000;
constexpr int kLimitMs = 15 * 60 * 1000;

// Dialogs, message boxes and file dialogs from a script; window timers, the tick, Sleep and the
// clock from the real platform.
class SoakPlatform : public Platform
{
public:
    ScriptedPlatform script;
    QtPlatform clock;

    int runModalLoop(CDialog &dialog) override { return script.runModalLoop(dialog); }
    void messageBox(const std::string &text) override { script.messageBox(text); }
    void showNotice(const std::string &text) override { script.showNotice(text); }
    std::optional<std::string> fileDialog(const FileDialogRequest &request) override
    {
        return script.fileDialog(request);
    }
    void setTimer(TimerTarget *target, UINT id, UINT periodMs) override
    {
        clock.setTimer(target, id, periodMs);
    }
    void killTimer(TimerTarget *target, UINT id) override { clock.killTimer(target, id); }
    void killTimers(TimerTarget *target) override { clock.killTimers(target); }
    UINT startTick(UINT periodMs, std::function<void()> tick) override
    {
        return clock.startTick(periodMs, std::move(tick));
    }
    void stopTick(UINT id) override { clock.stopTick(id); }
    void sleep(UINT ms) override { clock.sleep(ms); }
    long long nowMs() override { return clock.nowMs(); }
};

long residentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// Lets Qt run until the condition holds or the time is up; true when it held.
bool runUntil(const std::function<bool()> &done, int limitMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

struct Window
{
    std::unique_ptr<RunState> rs = std::make_unique<RunState>();
    std::unique_ptr<GdiState> gs = std::make_unique<GdiState>();
    std::unique_ptr<CMainDlg> dlg = std::make_unique<CMainDlg>(*rs, *gs);

    void press(int id)
    {
        if (auto *button = qobject_cast<QAbstractButton *>(dlg->controlWidget(id)))
            button->click();
    }
};

// One animation kind: how its data is made and how its run is started in the window; it leaves
// the run started and ready to play, or says why not.
struct SoakRun
{
    const char *name;
    std::function<std::string(const fs::path &folder, SoakPlatform &, Window &)> start;
    std::function<bool(const RunState &)> playing;
    int stopButton;
};

std::string startCorrelation(const fs::path &folder, SoakPlatform &p, Window &w)
{
    std::ofstream data(folder / "soak.csv");
    data << "x,y\n";
    for (int i = 0; i < kPoints; ++i)
        data << (i % 997) * 0.37 - 150 << ',' << (i % 1009) * 0.29 - 120 + (i % 7) << '\n';
    data.close();
    // 1 ms per point: the setup dialog refuses it at OK but keeps what the file set.
    std::ofstream(folder / "soak.kvs", std::ios::binary)
        << "KVT_GRIDWALK_SETUP_SOUKAN\r\nsoak.csv\r\n1\r\n2\r\n2\r\n1\r\n1\r\n100.0\r\n-100.0\r\n"
           "100.0\r\n-100.0\r\n";
    using S = ScriptedPlatform;
    if (w.rs->corrSetupDone) // asks whether to edit the setup of the run before: yes
        p.script.expectDialog(IDD_CONFIRM, { S::click(IDOK) });
    p.script.answerFileDialog((folder / "soak.kvs").string());
    p.script.expectDialog(IDD_CORR_SETUP, { S::click(IDC_CORR_LOAD_SETUP), S::click(IDOK) });
    w.press(IDC_CORR_RUN);
    const RunState &rs = *w.rs;
    if (!rs.corrRunning || !rs.dataReady || rs.lastIndex != kPoints - 1 || rs.plotPeriodMs != 1)
        return "the correlation run did not start with 10,000 points at 1 ms";
    return {};
}

const SoakRun kRuns[] = {
    { "correlation", startCorrelation, [](const RunState &rs) { return rs.playing; },
        IDC_CORR_RUN },
};

bool soak(const SoakRun &run, const fs::path &folder)
{
    SoakPlatform p;
    installPlatform(&p);
    bool ok = true;
    auto check = [&](bool condition, const std::string &what) {
        if (!condition)
            std::cout << "  FAILED: " << what << "\n";
        ok = ok && condition;
    };
    {
        Window w;
        check(w.dlg->Create(), "the main window starts");
        const long startKb = residentKb();
        std::string problem = run.start(folder, p, w);
        check(problem.empty(), problem);
        if (problem.empty()) {
            // Resident memory each time another quarter of the points is plotted.
            std::vector<long> quarterKb { startKb };
            QElapsedTimer elapsed;
            elapsed.start();
            w.press(IDC_PLAY_PAUSE);
            const bool ended = runUntil(
                [&] {
                    const auto quarters
                        = static_cast<std::size_t>((w.rs->plotIndex + 1) * 4 / kPoints);
                    if (quarterKb.size() <= quarters)
                        quarterKb.push_back(residentKb());
                    return !run.playing(*w.rs);
                },
                kLimitMs);
            const qint64 playedMs = elapsed.elapsed();
            check(ended, "the animation ends");
            check(w.rs->plotIndex == kPoints - 1, "every point is plotted");
            check(p.clock.activeTicks() == 0, "no tick after the end");

            w.press(run.stopButton);
            runUntil([] { return false; }, 300); // timer expiries already due come and go
            check(p.clock.activeTicks() == 0 && p.clock.activeTimers() == 0,
                "no timer or tick after the stop");

            // Once more, closed while it plays.
            problem = run.start(folder, p, w);
            check(problem.empty(), problem);
            w.press(IDC_PLAY_PAUSE);
            runUntil([] { return false; }, 1000);
            check(run.playing(*w.rs), "playing again");
            w.dlg->DestroyWindow();
            check(p.clock.activeTicks() == 0 && p.clock.activeTimers() == 0,
                "no timer or tick after the close");

            std::printf(
                "  %d points at 1 ms played in %lld ms\n  resident memory (kB) at the start "
                "and after each quarter:",
                kPoints, static_cast<long long>(playedMs));
            for (long kb : quarterKb)
                std::printf(" %ld", kb);
            std::printf("\n");
        }
        w.dlg.reset();
    }
    check(p.script.problems().empty(),
        p.script.problems().empty() ? "" : "dialog: " + p.script.problems().front());
    installPlatform(nullptr);
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platformSetupApplication();
    registerTraceletResources();
    std::vector<std::string> wanted(argv + 1, argv + argc);

    const fs::path folder
        = fs::temp_directory_path() / ("tracelet-soak-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    bool ok = true;
    for (const SoakRun &run : kRuns) {
        if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), run.name) == wanted.end())
            continue;
        std::cout << run.name << ":\n";
        const bool passed = soak(run, folder);
        std::cout << "  " << (passed ? "ok" : "FAILED") << "\n";
        ok = ok && passed;
    }
    fs::current_path(previous);
    fs::remove_all(folder);
    return ok ? 0 : 1;
}
