#pragma once

// A platform whose time is a manual clock that advance() moves, firing due window timers and
// ticks in order; message boxes and notices are recorded, not shown. Nobody answers a dialog
// here: one that opens is cancelled and recorded as a problem. The headless renderer runs the
// window on it; the tests' scripted platform adds answers to dialogs.

#include "platform/Platform.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class ManualClockPlatform : public Platform
{
public:
    ManualClockPlatform();
    ~ManualClockPlatform() override;

    void advance(long long ms);
    // The clock jumps ms ahead at once, as after a sleep: every clock that fell due on the way
    // fires once, then keeps its own schedule.
    void jump(long long ms);

    const std::vector<std::string> &messages() const { return m_messages; }
    // Dialogs that came without an answer, or were left open by theirs (template id and why).
    const std::vector<std::string> &problems() const { return m_problems; }
    bool hasTimer(TimerTarget *target, UINT id) const;
    std::size_t activeTicks() const { return m_ticks.size(); }
    long long sleptMs() const { return m_sleptMs; }
    void clearMessages() { m_messages.clear(); }

    int runModalLoop(CDialog &dialog) override;
    void messageBox(const std::string &text) override;
    // Recorded with the message boxes, in order.
    void showNotice(const std::string &text) override;
    std::optional<std::string> fileDialog(const FileDialogRequest &request) override;
    void setTimer(TimerTarget *target, UINT id, UINT periodMs) override;
    void killTimer(TimerTarget *target, UINT id) override;
    void killTimers(TimerTarget *target) override;
    UINT startTick(UINT periodMs, std::function<void()> tick) override;
    void stopTick(UINT id) override;
    void sleep(UINT ms) override;
    long long nowMs() override { return m_now; }
    // Nothing starts here.
    bool startDetached(const std::string &, const std::vector<std::string> &) override
    {
        return false;
    }

protected:
    void addProblem(std::string problem) { m_problems.push_back(std::move(problem)); }

private:
    struct Schedule
    {
        long long start;
        long long period;
        long long fired; // how many have fired: the next is due at start + (fired + 1) · period
        long long nextDue() const { return start + (fired + 1) * period; }
    };

    std::vector<std::string> m_messages;
    std::vector<std::string> m_problems;
    std::map<std::pair<TimerTarget *, UINT>, Schedule> m_timers;
    std::map<UINT, std::pair<Schedule, std::function<void()>>> m_ticks;
    UINT m_nextTickId = 1;
    long long m_now = 0;
    long long m_sleptMs = 0;
};
