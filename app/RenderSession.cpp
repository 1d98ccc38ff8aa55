#include "app/RenderSession.h"

#include "app/cli/CommandLine.h"
#include "mainwnd/PictureSize.h"
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
    m_window = std::make_unique<CMainDlg>();
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
    return canvas ? canvas->image().copy(0, 0, kPictureWidth, kPictureHeight) : QImage();
}

namespace {

// Every message of a start that did not get going: a note about the data file may come before the
// refusal that stopped it.
std::string everything(const std::vector<std::string> &messages)
{
    if (messages.empty())
        return "the setup was not accepted";
    std::string text = messages.front();
    for (std::size_t i = 1; i < messages.size(); ++i)
        text += "\n" + messages[i];
    return text;
}

} // namespace

std::optional<RenderScene> startScene(RenderSession &session, const DiagramDescriptor &kind,
    const std::filesystem::path &setupFile, std::string &error)
{
    using P = ScriptedPlatform;
    Diagram &diagram = session.window().diagram(kind.name);
    const std::string setupName = setupFile.filename().string();
    // Cancel only runs when OK left the dialog open (no data file).
    session.scripted.expectDialog(diagram.setupDialogId(), { P::click(IDOK), P::click(IDCANCEL) });
    // A new or changed setup asks to be saved first; rendering never writes setup files.
    session.scripted.expectDialog(IDD_CONFIRM, { P::click(IDCANCEL) });
    session.window().RunDiagram(kind.name, setupFile.string());

    // What the window told on the way that does not stop it (its data file's report, say) is a
    // note; anything else it said refuses the render.
    std::vector<std::string> complaints = session.scripted.messages();
    std::erase_if(complaints, [&](const std::string &m) { return diagram.isStartNote(m); });
    const Playback &pb = session.window().playback();
    const std::string dataFile = diagram.dataFilePath();
    if (!complaints.empty())
        error = setupName + ": " + complaints.front();
    else if (!session.scripted.problems().empty())
        error = "unexpected dialog: " + session.scripted.problems().front();
    else if (!diagram.running())
        error = setupName + ": " + everything(session.scripted.messages());
    else if (!pb.ready() && !isReadableFile(dataFile))
        error = "cannot read the data file " + dataFile + " named in " + setupName;
    else if (!pb.ready())
        error = dataFile + " holds no data rows from row " + std::to_string(diagram.dataStartRow())
            + " on";
    if (!error.empty())
        return std::nullopt;
    return RenderScene { diagram.framePeriodMs(), pb.lastIndex() + 1,
        [&pb] { return pb.playing() && !pb.atEnd(); } };
}
