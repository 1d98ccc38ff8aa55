// The picture area and the button faces on a screen with a device pixel ratio above 1: every
// picture pixel becomes a whole block of screen pixels of its colour, never a blurred mix. CTest
// runs this once as it is and once with QT_SCALE_FACTOR=2.

#include "../support/ScenarioFixture.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <QWindow>

namespace {

using HiDpiTest = ScenarioTest;

// How many screen pixels of `shot` differ from the picture pixel they show.
int blurredPixels(const QImage &shot, const QImage &picture, int ratio)
{
    int wrong = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            wrong += (shot.pixel(x, y) | 0xFF000000u)
                    != (picture.pixel(x / ratio, y / ratio) | 0xFF000000u)
                ? 1
                : 0;
    return wrong;
}

TEST_F(HiDpiTest, pictureAreaAndButtonFaces_scaleByWholePixels)
{
    const int ratio = std::max(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR"));
    scripted.expectDialog(IDD_CORR_SETUP, { ScriptedPlatform::click(IDOK) });
    dlg->OpenSetupFile((samplesDir() / "correlation_2500.kvs").string());
    ASSERT_TRUE(corr().running());
    dlg->widget()->show();

    QWidget *canvasWidget = dlg->controlWidget(IDC_CANVAS);
    const QPixmap shot = canvasWidget->grab();
    ASSERT_EQ(shot.size(), QSize(525, 351) * ratio);
    const QImage picture = canvas();
    EXPECT_EQ(
        blurredPixels(shot.toImage().convertToFormat(QImage::Format_RGB32), picture, ratio), 0);

    auto *play = dlg->controlWidget(IDC_PLAY_PAUSE);
    const QImage face = play->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(face.size(), play->size() * ratio);
    // Each block of the face is one colour: it matches its own nearest-pixel reduction.
    EXPECT_EQ(blurredPixels(face, face.scaled(face.size() / ratio), ratio), 0);
    dlg->widget()->hide();
}

} // namespace
