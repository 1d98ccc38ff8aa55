#include "ToyDiagram.h"

#include "data/AtomicFile.h"
#include "data/NumberText.h"
#include "data/SetupFile.h"
#include "mainwnd/GdiState.h"
#include "mainwnd/WindowControls.h"
#include "res/ResourceIds.h"

namespace {

constexpr COLORREF kSquare = RGB(200, 30, 30);

class ToyDiagram final : public Diagram
{
public:
    explicit ToyDiagram(const DiagramContext &context)
        : m_context(context)
    {
    }

    bool running() const override { return m_running; }
    bool runOrStop(bool anotherRunning, const std::string &setupToLoad) override
    {
        if (m_running) {
            m_context.playback.endRun();
            m_context.controls.showActive(m_context.runButton, false);
            m_running = false;
            return false;
        }
        if (anotherRunning || (!setupToLoad.empty() && !readSetup(setupToLoad)))
            return false;
        startRun();
        return true;
    }
    StartResult start(const RunRequest &run) override
    {
        if (!readSetup(run.setupFile))
            return { "not a toy setup", {} };
        startRun();
        return {};
    }
    void forgetSetup() override { }
    bool prepareToPlay() override { return m_context.playback.ready(); }
    void play(bool fromStart) override
    {
        if (fromStart)
            clear();
    }
    void pause() override { }
    TickOutcome tick() override
    {
        const int i = m_context.playback.index();
        if (CDC *canvas = m_context.gdi.canvasDC)
            canvas->FillSolidRect(QRect(20 + 30 * i, 150, 20, 20), kSquare);
        return i == m_context.playback.lastIndex() ? TickOutcome::End : TickOutcome::Next;
    }
    void onTimer(UINT) override { }

    bool exportable() const override { return m_running; }
    std::optional<RunRequest> currentRun(const std::string &setupFile) const override
    {
        if (!writeFileAtomically(setupFile, toySetupText(m_steps, m_periodMs)))
            return std::nullopt;
        return RunRequest { setupFile, 0, {} };
    }

private:
    void startRun()
    {
        m_running = true;
        m_context.controls.showActive(m_context.runButton, true);
        m_context.playback.loadRun(m_steps - 1, m_periodMs, ClockAtRest::Stops);
        clear();
    }
    bool readSetup(const std::string &path)
    {
        const SetupFileLines file = readSetupFile(path, kToySetupMagic, 2);
        if (!file.complete)
            return false;
        m_steps = std::max(1, parseInt(file.values[0]));
        m_periodMs = std::max(1, parseInt(file.values[1]));
        return true;
    }
    void clear()
    {
        if (CDC *canvas = m_context.gdi.canvasDC)
            canvas->FillSolidRect(QRect(0, 0, 525, 350), RGB(255, 255, 255));
    }

    DiagramContext m_context;
    int m_steps = 5;
    int m_periodMs = 100;
    bool m_running = false;
};

bool isToySetupLine(std::string_view line) { return line == kToySetupMagic; }

std::unique_ptr<Diagram> createToyDiagram(const DiagramContext &context)
{
    return std::make_unique<ToyDiagram>(context);
}

} // namespace

std::string toySetupText(int steps, int periodMs)
{
    return setupFileText(kToySetupMagic, { formatInt(steps), formatInt(periodMs) });
}

const DiagramDescriptor &toyDiagramDescriptor()
{
    static const DiagramDescriptor descriptor {
        "toy",
        ".kvx",
        isToySetupLine,
        { kToyRunButton, 110, 243, 18, 14, IDB_CORR_IDLE, IDB_CORR_ACTIVE, "MainWindow", "toy" },
        { "application/x-tracelet-toy-setup", "Tracelet toy", "TRACELET_TOY_SETUP" },
        false,
        createToyDiagram,
    };
    return descriptor;
}

void registerToyDiagram()
{
    static const bool once = (registerDiagram(toyDiagramDescriptor()), true);
    (void)once;
}
