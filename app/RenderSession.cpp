#include "app/RenderSession.h"

#include "app/cli/CommandLine.h"
#include "platform/CanvasWidget.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"
#include "res/TraceletResources.h"

#include <QAbstractButton>

RenderSession::RenderSession()
    : m_previousPlatform(&platform())
{
    registerTraceletResources();
    installPlatform(&scripted);
    m_window = std::make_unique<CMainDlg>(*rs, *gs);
    m_created = m_window->Create();
}

RenderSession::~RenderSession()
{
    m_window->DestroyWindow();
    m_window.reset();
    installPlatform(m_previousPlatform);
}

bool RenderSession::press(int id)
{
    auto *button = qobject_cast<QAbstractButton *>(m_window->controlWidget(id));
    if (button)
        button->click();
    return button != nullptr;
}

QImage RenderSession::picture() const
{
    auto *canvas = qobject_cast<CanvasWidget *>(m_window->controlWidget(IDC_CANVAS));
    return canvas ? canvas->image().copy(0, 0, 525, 350) : QImage();
}

std::optional<RenderScene> startCorrelationScene(
    RenderSession &session, const std::filesystem::path &setupFile, std::string &error)
{
    using P = ScriptedPlatform;
    const std::string setupName = setupFile.filename().string();
    session.scripted.answerFileDialog(setupFile.string());
    // Cancel only runs when OK left the dialog open (no data file).
    session.scripted.expectDialog(
        IDD_CORR_SETUP, { P::click(IDC_CORR_LOAD_SETUP), P::click(IDOK), P::click(IDCANCEL) });
    // A new or changed setup asks to be saved first; rendering never writes setup files.
    session.scripted.expectDialog(IDD_CONFIRM, { P::click(IDCANCEL) });
    session.press(IDC_CORR_RUN);

    const RunState &rs = *session.rs;
    // The window tells about its data file in a message of its own: a note, not a reason to fail.
    std::vector<std::string> complaints = session.scripted.messages();
    std::erase(complaints, rs.dataFileMessage);
    if (!complaints.empty())
        error = setupName + ": " + complaints.front();
    else if (!session.scripted.problems().empty())
        error = "unexpected dialog: " + session.scripted.problems().front();
    else if (!rs.corrRunning)
        error = setupName + ": the setup was not accepted";
    else if (!rs.dataReady && !isReadableFile(rs.dataFilePath))
        error = "cannot read the data file " + rs.dataFilePath + " named in " + setupName;
    else if (!rs.dataReady)
        error = rs.dataFilePath + " holds no data rows from row " + std::to_string(rs.dataStartRow)
            + " on";
    if (!error.empty())
        return std::nullopt;
    return RenderScene { rs.plotPeriodMs, rs.lastIndex + 1, [&rs] { return rs.playing; } };
}

std::optional<RenderScene> startPathScene(
    RenderSession &session, const std::filesystem::path &setupFile, std::string &error)
{
    using P = ScriptedPlatform;
    const std::string setupName = setupFile.filename().string();
    session.scripted.answerFileDialog(setupFile.string());
    // Cancel only runs when OK left the dialog open (no data file).
    session.scripted.expectDialog(
        IDD_PATH_SETUP, { P::click(IDC_PATH_LOAD_SETUP), P::click(IDOK), P::click(IDCANCEL) });
    // Only a faulty setup file leaves changes to save; rendering never writes setup files.
    session.scripted.expectDialog(IDD_CONFIRM, { P::click(IDCANCEL) });
    session.press(IDC_PATH_RUN);

    const RunState &rs = *session.rs;
    const auto &messages = session.scripted.messages();
    if (!rs.pathRunning)
        error = setupName + ": "
            + (messages.empty() ? std::string("the setup was not accepted") : messages.front());
    else if (!session.scripted.problems().empty())
        error = "unexpected dialog: " + session.scripted.problems().front();
    else if (!rs.dataReady && !isReadableFile(rs.dataFilePath))
        error = "cannot read the data file " + rs.dataFilePath + " named in " + setupName;
    else if (!rs.dataReady)
        error = rs.dataFilePath + " holds no data rows";
    if (!error.empty())
        return std::nullopt;
    return RenderScene { rs.tickPeriodMs, rs.lastIndex + 1,
        [&rs] { return rs.playing && !rs.endReached; } };
}
