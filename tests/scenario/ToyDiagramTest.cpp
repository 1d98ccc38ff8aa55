// A diagram the program does not have, registered as its own diagrams are: the window, its
// tools, its play button and its export serve it through the seam alone.

#include "../toy/ToyDiagram.h"

#include "../support/ScenarioFixture.h"
#include "export/AnimationExport.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>

namespace {

using S = ScriptedPlatform;

class ToyDiagramTest : public ScenarioTest
{
protected:
    void SetUp() override
    {
        registerToyDiagram();
        ScenarioTest::SetUp();
        AnimationExport::program() = TRACELET_TOY_EXE;
    }

    // The tools the window offers now: slider mode and slider, teaching, zoom in and out, each
    // as its letter when enabled.
    std::string tools()
    {
        const std::pair<int, char> controls[]
            = { { IDC_SLIDER_MODE, 'S' }, { IDC_SLIDER_POSITION, 's' },
                  { IDC_TEACH_CORRECTION, 'T' }, { IDC_ZOOM_IN, 'Z' }, { IDC_ZOOM_OUT, 'z' } };
        std::string shown;
        for (auto [id, letter] : controls)
            shown += dlg->controlWidget(id)->isEnabled() ? letter : '-';
        return shown;
    }

    // The toy's five squares: '#' drawn, '.' not.
    std::string squares()
    {
        std::string shown;
        for (int i = 0; i < 5; ++i)
            shown += canvasPixel(30 + 30 * i, 160) == RGB(200, 30, 30) ? '#' : '.';
        return shown;
    }
};

TEST_F(ToyDiagramTest, toolsFollowWhatTheRunningDiagramOffers)
{
    EXPECT_EQ(tools(), "-----"); // nothing runs
    scripted.expectDialog(IDD_CORR_SETUP, { S::click(IDOK) });
    dlg->OpenSetupFile((samplesDir() / "correlation_negative.kvs").string());
    EXPECT_EQ(tools(), "Ss---");
    click(IDC_CORR_RUN);
    scripted.expectDialog(IDD_PATH_SETUP, { S::click(IDOK) });
    dlg->OpenSetupFile((samplesDir() / "path_small.kvt").string());
    EXPECT_EQ(tools(), "SsTZz");
    click(IDC_PATH_RUN);
    click(kToyRunButton);
    EXPECT_EQ(tools(), "-----"); // the toy offers nothing beyond its run
}

TEST_F(ToyDiagramTest, playsPausesStopsAndExportsWhatTheWindowShows)
{
    click(kToyRunButton);
    ASSERT_TRUE(dlg->diagram("toy").running());
    click(IDC_PLAY_PAUSE);
    scripted.advance(250);
    EXPECT_EQ(squares(), "##...");
    click(IDC_PLAY_PAUSE); // paused: nothing moves
    scripted.advance(500);
    EXPECT_EQ(squares(), "##...");
    click(IDC_PLAY_PAUSE);
    scripted.advance(1000);
    EXPECT_EQ(squares(), "#####");
    EXPECT_FALSE(pb().playing());
    const QImage last = canvas().copy(0, 0, 525, 350);

    const std::string target = (tempDir() / "toy.gif").string();
    scripted.answerFileDialog(target);
    systemCommand(IDM_EXPORT_ANIMATION);
    ASSERT_NE(dlg->animationExport(), nullptr);
    QElapsedTimer waited;
    waited.start();
    while (dlg->animationExport()->running() && waited.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_EQ(scripted.messages().size(), 1u);
    EXPECT_EQ(scripted.messages().front().rfind("アニメーションを書き出しました。", 0), 0u)
        << scripted.messages().front();
    QImageReader reader(QString::fromStdString(target));
    int frames = 0;
    QImage frame;
    for (QImage next = reader.read(); !next.isNull(); next = reader.read(), ++frames)
        frame = next.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(frames, 5);
    EXPECT_EQ(frame, last.convertToFormat(QImage::Format_RGB32));

    // A diagram's read that finds no point leaves nothing of the run before it to play.
    pb().loadRun(-1, 100, ClockAtRest::Stops);
    click(IDC_PLAY_PAUSE);
    EXPECT_FALSE(pb().ready() || pb().playing());

    click(kToyRunButton);
    EXPECT_FALSE(dlg->diagram("toy").running());
}

} // namespace
