#include "../support/ScenarioFixture.h"
#include "res/ControlIds.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

// The keys reach the window as a person's key presses do: to the control with the focus first.
class PresenterKeysTest : public ScenarioTest
{
protected:
    void press(Qt::Key key, int focusedControl = IDC_PLAY_PAUSE)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(dlg->controlWidget(focusedControl), &event);
    }
    void start(const char *setup)
    {
        ASSERT_TRUE(initOk);
        const std::string file = (samplesDir() / setup).string();
        ASSERT_EQ(dlg->StartRun(file.ends_with(".kvs") ? "correlation" : "path",
                         RunRequest { file, 0, {} })
                      .refusal,
            "");
    }
};

// Space and Page Down play and pause, → and ← step one point while paused (a step back draws
// the picture that point had), Home plays again from the first point.
TEST_F(PresenterKeysTest, correlation_playPauseStepRestart)
{
    start("correlation_negative.kvs");
    const int period = corr().setup().values.plotSpeedMs;
    press(Qt::Key_Space);
    ASSERT_TRUE(pb().playing());
    for (int i = 0; i < 4; ++i)
        scripted.advance(period);
    press(Qt::Key_PageDown, IDC_CORR_RUN);
    ASSERT_FALSE(pb().playing());
    ASSERT_TRUE(corr().running()); // the focused run button was not pressed
    const int next = pb().index();

    press(Qt::Key_Right);
    EXPECT_EQ(pb().index(), next + 1);
    const QImage atStep = canvas();
    press(Qt::Key_Right);
    EXPECT_NE(canvas(), atStep);
    press(Qt::Key_Left);
    EXPECT_EQ(pb().index(), next + 1);
    EXPECT_EQ(canvas(), atStep);

    press(Qt::Key_Home);
    EXPECT_TRUE(pb().playing());
    EXPECT_EQ(pb().index(), 0);
    scripted.advance(period);
    EXPECT_EQ(pb().index(), 1);
    press(Qt::Key_Right); // while playing a step does nothing
    EXPECT_EQ(pb().index(), 1);

    press(Qt::Key_Space); // paused just before the last point, play goes on to it
    while (pb().index() < pb().lastIndex())
        press(Qt::Key_Right);
    press(Qt::Key_Space);
    EXPECT_EQ(pb().index(), pb().lastIndex());
}

// The path diagram steps its walker while paused, and + and − zoom its map.
TEST_F(PresenterKeysTest, path_stepsAndZooms)
{
    start("path_walk.kvt");
    press(Qt::Key_Space);
    scripted.advance(pb().periodMs() * 3);
    press(Qt::Key_Space);
    ASSERT_TRUE(pb().held());
    const int at = pb().index();
    press(Qt::Key_Right);
    EXPECT_EQ(pb().index(), at + 1);
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    EXPECT_EQ(pb().index(), at - 1);

    const int zoom = view().zoomIndex;
    press(Qt::Key_Minus);
    EXPECT_EQ(view().zoomIndex, zoom + 1);
    press(Qt::Key_Plus);
    EXPECT_EQ(view().zoomIndex, zoom);
}

} // namespace
