#include "platform/ManualClock.h"

#include "platform/CDialog.h"

#include <algorithm>
#include <limits>
#include <optional>

ManualClockPlatform::ManualClockPlatform() = default;
ManualClockPlatform::~ManualClockPlatform() = default;

int ManualClockPlatform::runModalLoop(CDialog &dialog)
{
    addProblem("dialog " + std::to_string(dialog.TemplateId()) + " came without a script");
    dialog.EndDialog(IDCANCEL);
    return IDCANCEL;
}

void ManualClockPlatform::messageBox(const std::string &text) { m_messages.push_back(text); }

void ManualClockPlatform::showNotice(const std::string &text) { m_messages.push_back(text); }

std::optional<std::string> ManualClockPlatform::fileDialog(const FileDialogRequest &)
{
    addProblem("file dialog came without an answer");
    return std::nullopt;
}

void ManualClockPlatform::setTimer(TimerTarget *target, UINT id, UINT periodMs)
{
    m_timers[{ target, id }] = Schedule { m_now, std::max<long long>(periodMs, 1), 0 };
}

void ManualClockPlatform::killTimer(TimerTarget *target, UINT id)
{
    m_timers.erase({ target, id });
}

void ManualClockPlatform::killTimers(TimerTarget *target)
{
    std::erase_if(m_timers, [target](const auto &entry) { return entry.first.first == target; });
}

bool ManualClockPlatform::hasTimer(TimerTarget *target, UINT id) const
{
    return m_timers.contains({ target, id });
}

UINT ManualClockPlatform::startTick(UINT periodMs, std::function<void()> tick)
{
    if (periodMs < 1)
        return 0;
    const UINT id = m_nextTickId++;
    m_ticks[id] = { Schedule { m_now, periodMs, 0 }, std::move(tick) };
    return id;
}

void ManualClockPlatform::stopTick(UINT id) { m_ticks.erase(id); }

void ManualClockPlatform::sleep(UINT ms)
{
    // The user-interface thread sleeps: nothing fires meanwhile; what fell due fires once after.
    m_now += ms;
    m_sleptMs += ms;
}

void ManualClockPlatform::jump(long long ms)
{
    m_now += ms;
    advance(0);
}

void ManualClockPlatform::advance(long long ms)
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
