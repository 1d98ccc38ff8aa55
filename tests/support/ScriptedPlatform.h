#pragma once

// The platform for tests: time is the manual clock, and dialogs are answered from a script
// (their own OnInitDialog runs, the script sets texts and checks and presses buttons, so their
// validation really runs); file dialogs are answered from a list.

#include "platform/ManualClock.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class ScriptedPlatform : public ManualClockPlatform
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

    // The next modal dialog must have this template; the steps run in order until it ends.
    void expectDialog(int templateId, std::vector<Step> steps);
    // The next file dialog returns this path; nothing (std::nullopt) means cancel.
    void answerFileDialog(std::optional<std::string> path);

    const std::vector<FileDialogRequest> &fileRequests() const { return m_fileRequests; }
    std::vector<int> shownDialogs() const { return m_shownDialogs; }
    bool scriptsDone() const { return m_dialogScripts.empty() && m_fileAnswers.empty(); }

    int runModalLoop(CDialog &dialog) override;
    std::optional<std::string> fileDialog(const FileDialogRequest &request) override;
    // Recorded as program then arguments, not started.
    bool startDetached(
        const std::string &program, const std::vector<std::string> &arguments) override
    {
        m_started.push_back(arguments);
        m_started.back().insert(m_started.back().begin(), program);
        return true;
    }
    const std::vector<std::vector<std::string>> &started() const { return m_started; }

private:
    struct Script
    {
        int templateId;
        std::vector<Step> steps;
    };

    std::deque<Script> m_dialogScripts;
    std::deque<std::optional<std::string>> m_fileAnswers;
    std::vector<FileDialogRequest> m_fileRequests;
    std::vector<int> m_shownDialogs;
    std::vector<std::vector<std::string>> m_started;
};
