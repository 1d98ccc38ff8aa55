// A correlation run with logged clock times on the manual clock: each point shows when its time
// comes, at the chosen speed, with its clock time in the Time box; points that fell due while the
// window was busy show at once; pause and step keep the logged time where the run stood.

#include "../support/ScenarioFixture.h"
#include "correlation/core/CorrFrame.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

using S = ScriptedPlatform;
constexpr COLORREF kAzure = RGB(0, 127, 255);

class LoggedTimeRunTest : public ScenarioTest
{
protected:
    // Whether the run stands at point i: the playback says so and its disc is on the canvas.
    bool showsPoint(int i)
    {
        const auto at = static_cast<std::size_t>(i);
        const CorrelationModel &m = corrModel();
        return pb().shown() == i
            && canvasPixel(toPixelX(m.frame, m.points.x[at]), toPixelY(m.frame, m.points.y[at]))
            == kAzure;
    }
};

TEST_F(LoggedTimeRunTest, pointsShowAtTheirLoggedTimesAcrossMidnightAtTwiceTheSpeed)
{
    // Played at 2×: due at 0, 250, 1500, 1520, 2000, 4500 ms.
    const auto data = writeFile("night.csv",
        "x,y,time\n-50,10,23:59:58\n-20,40,23:59:58.5\n0,0,00:00:01\n20,-30,00:00:01.04\n"
        "40,60,00:00:02\n60,-60,00:00:07\n");
    scripted.answerFileDialog(data.string());
    scripted.expectDialog(IDD_CORR_SETUP,
        { S::click(IDC_CORR_BROWSE_DATA), S::typeText(IDC_CORR_START_ROW, "2"),
            S::setCheck(IDC_CORR_PLOT_SPEED_CHECK, true), S::typeText(IDC_CORR_PLOT_SPEED, "50"),
            S::typeText(IDC_TIME_COLUMN, "3"), S::setCheck(IDC_TIME_CLOCK, true),
            S::setCheck(IDC_PLAY_SPEED_FIRST + 3, true), S::click(1) });
    scripted.expectDialog(IDD_CONFIRM, { S::click(2) });
    click(IDC_CORR_RUN);

    click(IDC_PLAY_PAUSE);
    EXPECT_TRUE(showsPoint(0)); // the first point at once
    scripted.advance(249);
    EXPECT_TRUE(showsPoint(0));
    scripted.advance(1);
    EXPECT_TRUE(showsPoint(1));
    scripted.advance(50); // the Time box is refreshed every 300 ms
    EXPECT_EQ(text(IDC_EDIT_TIME), "23:59:58");
    // Busy for a second: the points due meanwhile show with the next tick, the last one seen.
    scripted.sleep(1300);
    scripted.advance(10);
    EXPECT_TRUE(showsPoint(3));
    scripted.advance(300);
    EXPECT_EQ(text(IDC_EDIT_TIME), "00:00:01");

    // Paused at point 4 for a long time, stepped back to 3: play goes on from 3's time.
    scripted.advance(90);
    EXPECT_TRUE(showsPoint(4));
    click(IDC_PLAY_PAUSE);
    scripted.advance(60'000);
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QCoreApplication::sendEvent(dlg->controlWidget(IDC_PLAY_PAUSE), &left);
    EXPECT_TRUE(showsPoint(3));
    click(IDC_PLAY_PAUSE);
    scripted.advance(479);
    EXPECT_TRUE(showsPoint(3));
    scripted.advance(1);
    EXPECT_TRUE(showsPoint(4));
    scripted.advance(2500);
    EXPECT_TRUE(showsPoint(5));
    EXPECT_FALSE(pb().playing());
}

} // namespace
