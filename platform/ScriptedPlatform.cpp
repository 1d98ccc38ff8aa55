#include "platform/ScriptedPlatform.h"

#include "platform/CDialog.h"
#include "platform/Controls.h"

#include <limits>

ScriptedPlatform::ScriptedPlatform() = default;
ScriptedPlatform::~ScriptedPlatform() = default;

void ScriptedPlatform::expectDialog(int templateId, std::vector<Step> steps)
{
    m_dialogScripts.push_back(Script { templateId, std::move(steps) });
}

void ScriptedPlatform::answerFileDialog(std::optional<std::string> path)
{
    m_fileAnswers.push_back(std::move(path));
}

int ScriptedPlatform::runModalLoop(CDialog &dialog)
{
    m_shownDialogs.push_back(dialog.TemplateId());
    if (m_dialogScripts.empty() || m_dialogScripts.front().templateId != dialog.TemplateId()) {
        m_problems.push_back(
            "dialog " + std::to_string(dialog.TemplateId()) + " came without a script");
        dialog.EndDialog(IDCANCEL);
        return IDCANCEL;
    }
    Script script = std::move(m_dialogScripts.front());
    m_dialogScripts.pop_front();
    for (Step &step : script.steps) {
        if (dialog.IsEnded())
            break;
        switch (step.kind) {
        case Step::Kind::SetText:
            if (CWnd *item = dialog.GetDlgItem(step.id))
                item->SetWindowText(step.text);
            break;
        case Step::Kind::SetCheck: {
            CButton button;
            button.Attach(dialog.controlWidget(step.id));
            button.SetCheck(step.checked ? 1 : 0);
            break;
        }
        case Step::Kind::Click:
            dialog.PressButton(step.id);
            break;
        case Step::Kind::Call:
            step.call(dialog);
            break;
        }
    }
    if (!dialog.IsEnded()) {
        m_problems.push_back("dialog " + std::to_string(dialog.TemplateId()) + " was left open");
        dialog.EndDialog(IDCANCEL);
    }
    return dialog.Result();
}

void ScriptedPlatform::messageBox(const std::string &text) { m_messages.push_back(text); }

void ScriptedPlatform::showNotice(const std::string &text) { m_messages.push_back(text); }

std::optional<std::string> ScriptedPlatform::fileDialog(const FileDialogRequest &request)
{
    m_fileRequests.push_back(request);
    if (m_fileAnswers.empty()) {
        m_problems.push_back("file dialog came without an answer");
        return std::nullopt;
    }
    auto answer = std::move(m_fileAnswers.front());
    m_fileAnswers.pop_front();
    return answer;
}

void ScriptedPlatform::setTimer(TimerTarget *target, UINT id, UINT periodMs)
{
    m_timers[{ target, id }] = Schedule { m_now, std::max<long long>(periodMs, 1), 0 };
}

void ScriptedPlatform::killTimer(TimerTarget *target, UINT id) { m_timers.erase({ target, id }); }

void ScriptedPlatform::killTimers(TimerTarget *target)
{
    std::erase_if(m_timers, [target](const auto &entry) { return entry.first.first == target; });
}

bool ScriptedPlatform::hasTimer(TimerTarget *target, UINT id) const
{
    return m_timers.contains({ target, id });
}

UINT ScriptedPlatform::startTick(UINT periodMs, std::function<void()> tick)
{
    if (periodMs < 1)
        return 0;
    const UINT id = m_nextTickId++;
    m_ticks[id] = { Schedule { m_now, periodMs, 0 }, std::move(tick) };
    return id;
}

void ScriptedPlatform::stopTick(UINT id) { m_ticks.erase(id); }

void ScriptedPlatform::sleep(UINT ms)
{
    // The user-interface thread sleeps: nothing fires meanwhile; what fell due fires once after.
    m_now += ms;
    m_sleptMs += ms;
}

void ScriptedPlatform::jump(long long ms)
{
    m_now += ms;
    advance(0);
}

void ScriptedPlatform::advance(long long ms)
{
    const long long end = m_now + ms;
    for (;;) {
        // The earliest due clock; window timers before ticks on a tie, as the message queue would.
        long long due = std::numeric_limits<long long>::max();
        std::optional<std::pair<TimerTarget *, UINT>> timer;
        std::optional<UINT> tick;
        for (const auto &[key, schedule] : m_timers)
            if (schedule.nextDue() < due) {
                due = schedule.nextDue();
                timer = key;
            }
        for (const auto &[id, entry] : m_ticks)
            if (entry.first.nextDue() < due) {
                due = entry.first.nextDue();
                timer.reset();
                tick = id;
            }
        if (due > end)
            break;
        m_now = std::max(m_now, due);
        // A clock that fell behind (a Sleep) fires once and then keeps its own schedule.
        auto catchUp = [this](Schedule &s) {
            if (s.period > 0 && s.nextDue() <= m_now)
                s.fired = (m_now - s.start) / s.period;
        };
        if (timer) {
            catchUp(m_timers[*timer]);
            timer->first->OnTimerExpired(timer->second);
        } else if (tick) {
            auto &entry = m_ticks[*tick];
            catchUp(entry.first);
            auto fn = entry.second; // the tick may stop itself
            fn();
        }
    }
    m_now = end;
}
