#include "tests/support/ScriptedPlatform.h"

#include "platform/CDialog.h"
#include "platform/Controls.h"

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
        addProblem("dialog " + std::to_string(dialog.TemplateId()) + " came without a script");
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
        addProblem("dialog " + std::to_string(dialog.TemplateId()) + " was left open");
        dialog.EndDialog(IDCANCEL);
    }
    return dialog.Result();
}

std::optional<std::string> ScriptedPlatform::fileDialog(const FileDialogRequest &request)
{
    m_fileRequests.push_back(request);
    if (m_fileAnswers.empty()) {
        addProblem("file dialog came without an answer");
        return std::nullopt;
    }
    auto answer = std::move(m_fileAnswers.front());
    m_fileAnswers.pop_front();
    return answer;
}
