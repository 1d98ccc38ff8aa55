// Long animations on the real clock, for a person to run under AddressSanitizer / LeakSanitizer
// (tools/soak.sh): the main window, its dialogs answered from a script, its timers and tick from
// the real platform. Each run plays a 10,000-point animation to its end at 1 ms per point, stops
// it, plays it again and closes the window while it plays. It reports resident memory before and
// after, and fails when a timer or tick outlives the stop or the close, or the animation does
// not end. Leaks are LeakSanitizer's to report when the program exits.
//   tracelet_soak [RUN...]      runs: correlation, path (default: all)

#include "correlation/ui/CorrelationDiagram.h"
#include "mainwnd/CMainDlg.h"
#include "path/ui/PathDiagram.h"
#include "platform/QtPlatform.h"
#include "platform/QtSetup.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"
#include "res/TraceletResources.h"
#include "tests/support/ScriptedPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstdint>
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
    bool startDetached(const std::string &, const std::vector<std::string> &) override
    {
        return false;
    }
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
    std::unique_ptr<CMainDlg> dlg = std::make_unique<CMainDlg>();

    const Playback &pb() const { return dlg->playback(); }
    CorrelationDiagram &corr()
    {
        return static_cast<CorrelationDiagram &>(dlg->diagram("correlation"));
    }
    PathDiagram &path() { return static_cast<PathDiagram &>(dlg->diagram("path")); }

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
    std::function<bool(const Playback &)> ended; // the last point is drawn
    bool pauseAtTheEnd; // the clock runs on at the end until play is pressed again
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
    if (w.corr().setup().done) // asks whether to edit the setup of the run before: yes
        p.script.expectDialog(IDD_CONFIRM, { S::click(IDOK) });
    p.script.answerFileDialog((folder / "soak.kvs").string());
    p.script.expectDialog(IDD_CORR_SETUP, { S::click(IDC_CORR_LOAD_SETUP), S::click(IDOK) });
    w.press(IDC_CORR_RUN);
    if (!w.corr().running() || !w.pb().ready() || w.pb().lastIndex() != kPoints - 1
        || w.pb().periodMs() != 1)
        return "the correlation run did not start with 10,000 points at 1 ms";
    return {};
}

// A 24-bit 32 x 32 bottom-up bitmap: a red disc on white.
void writeCharacter(const fs::path &file)
{
    std::string bytes = std::string("BM", 2) + std::string(52, '\0');
    const auto put = [&bytes](std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
    };
    put(2, 54 + 3072, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, 32, 4);
    put(22, 32, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool disc = (x - 16) * (x - 16) + (y - 16) * (y - 16) < 100;
            bytes += disc ? std::string("\x20\x20\xC8", 3) : std::string("\xFF\xFF\xFF", 3);
        }
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string startPath(const fs::path &folder, SoakPlatform &p, Window &w)
{
    QImage map(1200, 800, QImage::Format_RGB32);
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            map.setPixel(x, y, qRgb(x % 251, y % 251, 0x40));
    map.save(QString::fromStdString((folder / "soak-map.bmp").string()), "BMP");
    writeCharacter(folder / "soak-walker.bmp");
    // Round and round an ellipse over the map, 1 ms per point.
    std::ofstream data(folder / "soak-walk.csv");
    data << "X,Y,direction,interp_speed,plot_speed\n";
    for (int i = 0; i < kPoints; ++i) {
        const double t = i * 0.01;
        data << 600 + 450 * std::cos(t) << ',' << 400 + 300 * std::sin(t) << ','
             << std::fmod(360 - t * 57.29578, 360.0) << (i == 0 ? ",1000,1\n" : "\n");
    }
    data.close();
    std::ofstream(folder / "soak.kvt", std::ios::binary)
        << "KVT_GRIDWALK_SETUP\r\nsoak-map.bmp\r\n0.000000\r\n0.000000\r\nsoak-walker.bmp\r\n"
           "\r\nsoak-walk.csv\r\n";
    using S = ScriptedPlatform;
    if (w.path().setup().done) // asks whether to keep the setup of the run before: yes
        p.script.expectDialog(IDD_CONFIRM, { S::click(IDOK) });
    p.script.answerFileDialog((folder / "soak.kvt").string());
    p.script.expectDialog(IDD_PATH_SETUP, { S::click(IDC_PATH_LOAD_SETUP), S::click(IDOK) });
    w.press(IDC_PATH_RUN);
    if (!w.path().running() || !w.pb().ready() || !w.path().model().backgroundLoaded
        || w.pb().lastIndex() != kPoints - 1 || w.pb().periodMs() != 1)
        return "the path run did not start with 10,000 points at 1 ms";
    return {};
}

const SoakRun kRuns[] = {
    { "correlation", startCorrelation, [](const Playback &pb) { return !pb.playing(); }, false,
        IDC_CORR_RUN },
    { "path", startPath, [](const Playback &pb) { return pb.atEnd(); }, true, IDC_PATH_RUN },
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
                        = static_cast<std::size_t>((w.pb().index() + 1) * 4 / kPoints);
                    if (quarterKb.size() <= quarters)
                        quarterKb.push_back(residentKb());
                    return run.ended(w.pb());
                },
                kLimitMs);
            const qint64 playedMs = elapsed.elapsed();
            check(ended, "the animation ends");
            check(w.pb().index() == kPoints - 1, "every point is plotted");
            if (run.pauseAtTheEnd)
                w.press(IDC_PLAY_PAUSE);
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
            check(w.pb().playing() && !run.ended(w.pb()), "playing again");
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
