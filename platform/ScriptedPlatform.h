#pragma once

// The platform for tests and headless rendering: dialogs are answered from a script (their own
// OnInitDialog runs, the script sets texts and checks and presses buttons, so their validation
// really runs), message boxes and file dialogs are recorded and answered, and time is a manual
// clock that advance() moves, firing due timers in order.

#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

class ScriptedPlatform : public Platform
{
public:
    struct Step
    {
        enum class Kind { SetText, SetCheck, Click, Call } kind;
        int id = 0;
        std::string text;
        bool checked = false;
        std::function<void(CDialog &)> call;
    };
    static Step typeText(int id, std::string text)
    {
        return { Step::Kind::SetText, id, std::move(text), false, {} };
    }
    static Step setCheck(int id, bool checked)
    {
        return { Step::Kind::SetCheck, id, {}, checked, {} };
    }
    static Step click(int id) { return { Step::Kind::Click, id, {}, false, {} }; }
    static Step call(std::function<void(CDialog &)> fn)
    {
        return { Step::Kind::Call, 0, {}, false, std::move(fn) };
    }

    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // The next modal dialog must have this template; the steps run in order until it ends.
    void expectDialog(int templateId, std::vector<Step> steps);
    // The next file dialog returns this path; nothing (std::nullopt) means cancel.
    void answerFileDialog(std::optional<std::string> path);
    void advance(long long ms);
    // The clock jumps ms ahead at once, as after a sleep: every clock that fell due on the way
    // fires once, then keeps its own schedule.
    void jump(long long ms);

    const std::vector<std::string> &messages() const { return m_messages; }
    const std::vector<FileDialogRequest> &fileRequests() const { return m_fileRequests; }
    // Dialogs that came without a script, or were left open by theirs (template id and why).
    const std::vector<std::string> &problems() const { return m_problems; }
    std::vector<int> shownDialogs() const { return m_shownDialogs; }
    bool scriptsDone() const { return m_dialogScripts.empty() && m_fileAnswers.empty(); }
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

private:
    struct Schedule
    {
        long long start;
        long long period;
        long long fired; // how many have fired: the next is due at start + (fired + 1) · period
        long long nextDue() const { return start + (fired + 1) * period; }
    };
    struct Script
    {
        int templateId;
        std::vector<Step> steps;
    };

    std::deque<Script> m_dialogScripts;
    std::deque<std::optional<std::string>> m_fileAnswers;
    std::vector<std::string> m_messages;
    std::vector<FileDialogRequest> m_fileRequests;
    std::vector<std::string> m_problems;
    std::vector<int> m_shownDialogs;
    std::map<std::pair<TimerTarget *, UINT>, Schedule> m_timers;
    std::map<UINT, std::pair<Schedule, std::function<void()>>> m_ticks;
    UINT m_nextTickId = 1;
    long long m_now = 0;
    long long m_sleptMs = 0;
};
