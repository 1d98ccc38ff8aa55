#include "app/RenderSession.h"

#include "mainwnd/PictureSize.h"
#include "platform/CanvasWidget.h"
#include "res/ControlIds.h"
#include "res/TraceletResources.h"

RenderSession::RenderSession()
    : m_previousPlatform(&platform())
{
    registerTraceletResources();
    installPlatform(&clock);
    m_window = std::make_unique<CMainDlg>();
    m_created = m_window->Create();
}

RenderSession::~RenderSession()
{
    m_window->DestroyWindow();
    m_window.reset();
    installPlatform(m_previousPlatform);
}

QImage RenderSession::picture() const
{
    auto *canvas = qobject_cast<CanvasWidget *>(m_window->controlWidget(IDC_CANVAS));
    return canvas ? canvas->image().copy(0, 0, kPictureWidth, kPictureHeight) : QImage();
}

std::optional<RenderScene> startScene(RenderSession &session, std::string_view diagram,
    const RunRequest &run, std::vector<std::string> &notes, std::string &error)
{
    StartResult started = session.window().StartRun(diagram, run);
    notes = std::move(started.notes);
    if (!started.refusal.empty()) {
        error = started.refusal;
        return std::nullopt;
    }
    const Playback &pb = session.window().playback();
    return RenderScene { pb.periodMs(), pb.lastIndex() + 1, pb.schedule(),
        [&pb] { return pb.playing() && !pb.atEnd(); } };
}
