#include "../support/ScenarioFixture.h"
#include "platform/FullScreenPicture.h"
#include "res/ControlIds.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

class FullScreenTest : public ScenarioTest
{
protected:
    static void press(QWidget *to, Qt::Key key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(to, &event);
    }
    FullScreenPicture *shown()
    {
        auto *picture = dlg->controlWidget(IDC_CANVAS)->findChild<FullScreenPicture *>();
        return picture && picture->isVisible() ? picture : nullptr;
    }
};

TEST(FullScreenPicture, largestWholeScaleThatFits)
{
    const QSize picture(525, 351);
    EXPECT_EQ(FullScreenPicture::wholeScale(picture, { 1920, 1080 }), 3);
    EXPECT_EQ(FullScreenPicture::wholeScale(picture, { 1366, 768 }), 2);
    EXPECT_EQ(FullScreenPicture::wholeScale(picture, { 1600, 702 }), 2);
    EXPECT_EQ(FullScreenPicture::wholeScale(picture, { 800, 600 }), 1);
    EXPECT_EQ(FullScreenPicture::wholeScale(picture, { 400, 300 }), 1);
}

// F11 shows the picture alone, each pixel a 2 × 2 block on a screen that fits twice the picture,
// centred on black; the presenter's keys still move the run; Esc goes back to the window.
TEST_F(FullScreenTest, f11ShowsThePictureAloneScaledByWholePixels_escGoesBack)
{
    ASSERT_TRUE(initOk);
    const std::string setup = (samplesDir() / "correlation_negative.kvs").string();
    ASSERT_EQ(dlg->StartRun("correlation", RunRequest { setup, 0, {} }).refusal, "");
    dlg->widget()->show();
    press(dlg->widget(), Qt::Key_F11);
    FullScreenPicture *picture = shown();
    ASSERT_TRUE(picture);
    picture->resize(1100, 760);
    const QImage shot = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = canvas().scaled(canvas().size() * 2);
    EXPECT_EQ(shot.copy(QRect(QPoint(25, 29), expected.size())), expected);
    EXPECT_EQ(shot.pixel(3, 3), qRgb(0, 0, 0));

    press(picture, Qt::Key_Space);
    EXPECT_TRUE(pb().playing());
    press(picture, Qt::Key_Escape);
    EXPECT_FALSE(shown());
    dlg->widget()->hide();
}

} // namespace
