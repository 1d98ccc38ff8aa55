#include "../support/ScenarioFixture.h"
#include "mainwnd/CConfirmDlg.h"
#include "platform/BitmapButtonWidget.h"
#include "platform/CFont.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

using S = ScriptedPlatform;

using MainWindowTest = ScenarioTest;

TEST_F(MainWindowTest, startup_showsAWhitePicture_buttonFacesThatLightUp_andTheFramePen)
{
    EXPECT_EQ(text(IDC_EDIT_ZOOM), "等倍");
    EXPECT_EQ(text(IDCANCEL), "ｷｬﾝｾﾙ"); // half-width, as the window always wrote it
    // The slider spans 48 of the picture's 300 dialog units.
    EXPECT_EQ(dlg->controlWidget(IDC_SLIDER_POSITION)->width() * 300,
        dlg->controlWidget(IDC_CANVAS)->width() * 48);
    ASSERT_EQ(canvas().size(), QSize(525, 351));
    EXPECT_EQ(
        QPoint(dlg->controls().canvasRect.left, dlg->controls().canvasRect.top), QPoint(5, 3));
    EXPECT_EQ(canvasPixel(300, 200), RGB(255, 255, 255));
    for (int id :
        { IDC_PLAY_PAUSE, IDC_PATH_RUN, IDC_CORR_RUN, IDC_TEACH_CORRECTION, IDC_SLIDER_MODE }) {
        auto *button = qobject_cast<BitmapButtonWidget *>(dlg->controlWidget(id));
        ASSERT_NE(button, nullptr);
        EXPECT_NE(button->upFace(), button->downFace()) << id; // pressed shows the active face
    }
    ASSERT_NE(gs->canvasDC, nullptr);
    // The overlay's pen is the dark green frame pen: a line drawn now has its colour.
    gs->overlayDC.SelectObject(&gs->overlayLayer);
    gs->overlayDC.MoveTo(0, 5);
    gs->overlayDC.LineTo(10, 5);
    EXPECT_EQ(gs->overlayDC.GetPixel(3, 5), RGB(0, 127, 11));
}

TEST_F(MainWindowTest, teardown_stopsTheClocksAndReleasesAtOnce)
{
    scripted.expectDialog(IDD_CORR_SETUP, { S::click(IDOK) });
    dlg->OpenSetupFile((samplesDir() / "correlation_negative.kvs").string());
    click(IDC_PLAY_PAUSE);
    dlg->SetTimer(1, 200);
    ASSERT_EQ(scripted.activeTicks(), 1u);
    ASSERT_TRUE(scripted.hasTimer(dlg.get(), 3)); // the layers' refresh
    dlg->DestroyWindow();
    EXPECT_EQ(scripted.activeTicks(), 0u);
    EXPECT_FALSE(scripted.hasTimer(dlg.get(), 1) || scripted.hasTimer(dlg.get(), 3));
}

// The about box shows every line whole.
TEST_F(MainWindowTest, aboutItem_opensTheAboutBox_andCancelEndsTheWindowWithCancel)
{
    const auto &items = dlg->GetSystemMenu(FALSE)->items();
    ASSERT_EQ(items.size(), 15u); // the teaching items, then the window scales
    EXPECT_EQ(items[1].text + items[3].text + items[4].text + items[11].text + items[14].text,
        "Tracelet のﾊﾞｰｼﾞｮﾝ情報(&A)...画像を保存...アニメーションを書き出す..."
        "表示倍率 1倍表示倍率 3倍");
    std::string about;
    scripted.expectDialog(100,
        { S::call([&about](CDialog &d) {
             for (const QLabel *label : d.widget()->findChildren<QLabel *>()) {
                 about += label->text().toStdString() + "\n";
                 const QFontMetrics metrics(label->font());
                 EXPECT_GE(label->height(), label->text().isEmpty() ? 0 : metrics.height());
                 EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text())) << about;
             }
         }),
            S::click(1) });
    systemCommand(items[1].id);
    EXPECT_EQ(scripted.shownDialogs(), std::vector<int> { 100 });
    EXPECT_NE(about.find("Tracelet Version 1.0\n"), std::string::npos) << about;
    click(2);
    EXPECT_TRUE(dlg->IsEnded());
    EXPECT_EQ(dlg->Result(), IDCANCEL);
}

// A window whose correlation run button is gone before start-up hooks the buttons.
struct WindowWithoutCorrelationButton : CMainDlg
{
    void DoDataExchange(CDataExchange *dx) override
    {
        CMainDlg::DoDataExchange(dx);
        delete controlWidget(IDC_CORR_RUN);
    }
};

TEST_F(MainWindowTest, failedSubclassing_returnsFalse_andTheButtonsDoNothingHarmful)
{
    dlg->DestroyWindow();
    dlg = std::make_unique<WindowWithoutCorrelationButton>();
    gs = &dlg->gdi();
    EXPECT_FALSE(dlg->Create());
    EXPECT_EQ(gs->canvasDC, nullptr); // nothing after the buttons was created
    for (int id : { IDC_PATH_RUN, IDC_CORR_RUN, IDC_PLAY_PAUSE, IDC_SLIDER_MODE,
             IDC_TEACH_CORRECTION, IDC_ZOOM_IN, IDC_SCROLL_UP, IDC_SCROLL_LEFT })
        if (dlg->controlWidget(id))
            click(id);
        else
            dlg->PressButton(id); // what its click would have sent
    EXPECT_FALSE(dlg->IsEnded());
    EXPECT_TRUE(scripted.shownDialogs().empty());
    click(2);
    EXPECT_EQ(dlg->Result(), IDCANCEL);
}

TEST_F(MainWindowTest, fontsThatCannotBeCreated_areNotSelected_andStartupCompletes)
{
    dlg->DestroyWindow();
    installFontSource([](const std::string &, int) { return std::nullopt; });
    const bool created = dlg->Create();
    installFontSource({});
    EXPECT_TRUE(created);
    gs->overlayDC.SelectObject(&gs->overlayLayer); // text still draws with the DC's own font
    EXPECT_TRUE(gs->overlayDC.TextOut(10, 10, "12"));
}

TEST_F(MainWindowTest, confirmation_showsTheQuestion_onlyOkAnswersOk)
{
    QString shown;
    const S::Step read = S::call([&](CDialog &d) {
        shown = qobject_cast<QPlainTextEdit *>(d.controlWidget(IDC_CONFIRM_TEXT))->toPlainText();
    });
    const S::Step escape = S::call([](CDialog &d) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(d.widget(), &press);
    });
    for (const auto &[steps, result] : { std::pair { std::vector { read, S::click(IDOK) }, IDOK },
             { { S::click(IDCANCEL) }, IDCANCEL }, { { escape }, IDCANCEL } }) {
        scripted.expectDialog(IDD_CONFIRM, steps);
        CConfirmDlg confirm("前回設定内容が存在します。修正しますか？");
        EXPECT_EQ(confirm.DoModal(), result) << steps.size();
    }
    EXPECT_EQ(shown.toStdString(), "前回設定内容が存在します。修正しますか？");
}

} // namespace
