#include "../support/ScenarioFixture.h"
#include "platform/CBitmapButton.h"
#include "res/ControlIds.h"

#include <QSlider>

namespace {

using MainWindowTest = ScenarioTest;

TEST_F(MainWindowTest, startup_buildsTheWindowItsControlsTipsButtonFacesAndPens)
{
    EXPECT_EQ(text(IDC_EDIT_ZOOM), "等倍");
    CSliderCtrl &slider = dlg->controls().slider;
    EXPECT_EQ((std::vector { slider.GetPos(), slider.GetRangeMin(), slider.GetRangeMax(),
                  slider.GetPageSize() }),
        (std::vector { 1, 1, 100, 5 }));
    EXPECT_EQ(dlg->widget()->windowTitle(), QStringLiteral("Tracelet"));
    EXPECT_EQ(dlg->widget()->size(), QSize(635, 391));
    EXPECT_EQ(canvas().size(), QSize(525, 351));
    EXPECT_EQ(canvasPixel(300, 200), RGB(255, 255, 255));
    const auto &r = dlg->controls().canvasRect;
    EXPECT_EQ((std::vector { r.left, r.top, r.right - r.left, r.bottom - r.top }),
        (std::vector { 5, 3, 525, 351 }));

    const std::map<int, QString> tips { { IDC_PLAY_PAUSE, "再生/一時停止" },
        { IDC_TEACH_CORRECTION, "教示中のﾎﾟｲﾝﾄ修正" }, { IDC_ZOOM_IN, "ｽﾞｰﾑｲﾝ" },
        { IDC_ZOOM_OUT, "ｽﾞｰﾑｱｳﾄ" }, { IDC_SCROLL_UP, "上ｽｸﾛｰﾙ" }, { IDC_SCROLL_RIGHT, "右ｽｸﾛｰﾙ" },
        { IDC_SCROLL_LEFT, "左ｽｸﾛｰﾙ" }, { IDC_SCROLL_DOWN, "下ｽｸﾛｰﾙ" },
        { IDC_PATH_RUN, "経路図実行/終了" }, { IDC_CORR_RUN, "相関図実行/終了" },
        { IDC_SLIDER_MODE, "相関図 データ位置スライダ指定" } };
    std::map<QWidget *, QString> expected, shown; // exactly the eleven controls have tips
    for (const auto &[id, tip] : tips)
        expected[dlg->controlWidget(id)] = tip;
    for (QWidget *w : dlg->widget()->findChildren<QWidget *>())
        if (!w->toolTip().isEmpty())
            shown[w] = w->toolTip();
    EXPECT_EQ(shown, expected);

    for (auto [id, width] : { std::pair { IDC_PLAY_PAUSE, 48 }, { IDC_PATH_RUN, 48 },
             { IDC_CORR_RUN, 48 }, { IDC_TEACH_CORRECTION, 81 }, { IDC_SLIDER_MODE, 81 } }) {
        auto *button = qobject_cast<BitmapButtonWidget *>(dlg->controlWidget(id));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->size(), QSize(width, 20)) << id;
        EXPECT_FALSE(button->upFace().isNull());
        EXPECT_NE(button->upFace(), button->downFace()) << id; // pressed shows the active face
    }

    ASSERT_NE(gs->canvasDC, nullptr);
    EXPECT_NE(gs->canvasDCPreviousFont, nullptr);
    EXPECT_NE(gs->overlayDCPreviousFont, nullptr);
    // The overlay's pen is the dark green frame pen: a line drawn now has its colour.
    gs->overlayDC.SelectObject(&gs->overlayLayer);
    gs->overlayDC.MoveTo(0, 5);
    gs->overlayDC.LineTo(10, 5);
    EXPECT_EQ(gs->overlayDC.GetPixel(3, 5), RGB(0, 127, 11));
}

TEST_F(MainWindowTest, teardown_stopsTheClocksAndReleasesAtOnce)
{
    pb().clockId = dlg->controls().startTick(50, 2);
    dlg->SetTimer(1, 200);
    dlg->SetTimer(3, 300);
    ASSERT_EQ(scripted.activeTicks(), 1u);
    dlg->DestroyWindow();
    EXPECT_EQ(scripted.activeTicks(), 0u);
    EXPECT_FALSE(scripted.hasTimer(dlg.get(), 1) || scripted.hasTimer(dlg.get(), 3));
    EXPECT_EQ(scripted.sleptMs(), 0);
    EXPECT_EQ(gs->canvasDC, nullptr);
}

TEST_F(MainWindowTest, aboutItem_opensTheAboutBox_andCancelEndsTheWindowWithCancel)
{
    const auto &items = dlg->GetSystemMenu(FALSE)->items();
    ASSERT_EQ(items.size(), 5u);
    EXPECT_TRUE(items[0].flags & MF_SEPARATOR);
    EXPECT_EQ(items[1].text, "Tracelet のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    EXPECT_TRUE(items[2].flags & MF_SEPARATOR);
    EXPECT_EQ(items[3].text, "画像を保存...");
    EXPECT_EQ(items[4].text, "アニメーションを書き出す...");
    scripted.expectDialog(100, { ScriptedPlatform::click(1) });
    MSG msg;
    msg.message = WM_SYSCOMMAND;
    msg.id = static_cast<int>(items[1].id);
    dlg->OnMessage(msg);
    EXPECT_EQ(scripted.shownDialogs(), std::vector<int> { 100 });
    click(2);
    EXPECT_TRUE(dlg->IsEnded());
    EXPECT_EQ(dlg->Result(), IDCANCEL);
}

TEST_F(MainWindowTest, failedSubclassing_returnsFalse_andTheButtonsDoNothingHarmful)
{
    dlg->DestroyWindow();
    CBitmapButton::failSubclassForTesting(IDC_CORR_RUN);
    EXPECT_FALSE(dlg->Create());
    EXPECT_EQ(gs->canvasDC, nullptr); // nothing after the buttons was created
    for (int id : { IDC_PATH_RUN, IDC_CORR_RUN, IDC_PLAY_PAUSE, IDC_SLIDER_MODE,
             IDC_TEACH_CORRECTION, IDC_ZOOM_IN, IDC_ZOOM_OUT, IDC_SCROLL_UP, IDC_SCROLL_DOWN,
             IDC_SCROLL_RIGHT, IDC_SCROLL_LEFT })
        click(id);
    EXPECT_FALSE(dlg->IsEnded());
    EXPECT_TRUE(scripted.shownDialogs().empty());
    click(2);
    EXPECT_EQ(dlg->Result(), IDCANCEL);
}

TEST_F(MainWindowTest, fontsThatCannotBeCreated_areNotSelected_andStartupCompletes)
{
    dlg->DestroyWindow();
    CFont::failCreationForTesting(true);
    const bool created = dlg->Create();
    CFont::failCreationForTesting(false);
    EXPECT_TRUE(created);
    EXPECT_EQ(gs->canvasDCPreviousFont, nullptr);
    EXPECT_EQ(gs->overlayDCPreviousFont, nullptr);
    gs->overlayDC.SelectObject(&gs->overlayLayer); // text still draws with the DC's own font
    EXPECT_TRUE(gs->overlayDC.TextOut(10, 10, "12"));
}

} // namespace
