#include "platform/CDialog.h"
#include "platform/CFileDialog.h"
#include "platform/Controls.h"
#include "platform/QtPlatform.h"
#include "platform/ScriptedPlatform.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

DialogTemplate testTemplate()
{
    return DialogTemplate {
        7,
        "テスト",
        100,
        60,
        "ＭＳ Ｐゴシック",
        9,
        false,
        {
            { 10, ControlKind::Edit, "", 4, 4, 40, 12, CS_RIGHT },
            { 11, ControlKind::CheckBox, "check", 4, 20, 40, 10 },
            { 12, ControlKind::PushButton, "...", 50, 4, 20, 12 },
            { 1, ControlKind::DefPushButton, "OK", 4, 40, 40, 14 },
            { 2, ControlKind::PushButton, "ｷｬﾝｾﾙ", 50, 40, 40, 14 },
        },
    };
}

// OK refuses an empty edit, as a dialog's own validation does.
class ValidatingDlg : public CDialog
{
public:
    ValidatingDlg()
        : CDialog(testTemplate())
    {
    }
    void DoDataExchange(CDataExchange *dx) override
    {
        DDX_Control(dx, 10, edit);
        DDX_Control(dx, 11, check);
    }
    BOOL OnInitDialog() override
    {
        edit.SetWindowText("init");
        return TRUE;
    }
    void OnOK() override
    {
        if (edit.GetWindowText().empty()) {
            AfxMessageBox("empty");
            return;
        }
        seen = edit.GetWindowText();
        checked = check.GetCheck();
        CDialog::OnOK();
    }
    void OnBrowse() { ++browsed; }

    CEdit edit;
    CButton check;
    std::string seen;
    int checked = -1;
    int browsed = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ValidatingDlg)
ON_BN_CLICKED(12, OnBrowse)
END_MESSAGE_MAP()

class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override { installPlatform(&scripted); }
    void TearDown() override { installPlatform(nullptr); }
    ScriptedPlatform scripted;
};

TEST_F(DialogTest, script_runsInitValidationAndHandlers_untilTheDialogEnds)
{
    scripted.expectDialog(7,
        { ScriptedPlatform::setText(10, ""), ScriptedPlatform::click(12),
            ScriptedPlatform::click(1), ScriptedPlatform::setText(10, "42"),
            ScriptedPlatform::setCheck(11, true), ScriptedPlatform::click(1),
            ScriptedPlatform::click(12) });
    ValidatingDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.seen, "42");
    EXPECT_EQ(dlg.checked, 1);
    EXPECT_EQ(dlg.browsed, 1); // the click after OK never happened: the dialog had ended
    EXPECT_EQ(scripted.messages(), std::vector<std::string> { "empty" });
    EXPECT_TRUE(scripted.problems().empty());
    EXPECT_FALSE(dlg.IsWindow()); // DoModal destroys the widgets when the loop ends
}

TEST_F(DialogTest, dialogLeftOpenOrUnscripted_isCancelledAndReported)
{
    scripted.expectDialog(7, { ScriptedPlatform::setText(10, "") });
    ValidatingDlg left;
    EXPECT_EQ(left.DoModal(), IDCANCEL);
    ValidatingDlg unscripted;
    EXPECT_EQ(unscripted.DoModal(), IDCANCEL);
    EXPECT_EQ(scripted.problems().size(), 2u);
}

TEST_F(DialogTest, controls_arePlacedInDialogUnitsOfSevenByTwelve)
{
    ValidatingDlg dlg;
    dlg.Create();
    EXPECT_EQ(dlg.widget()->size(), QSize(175, 90));
    EXPECT_EQ(dlg.controlWidget(12)->geometry(), QRect(87, 6, 35, 18));
    EXPECT_EQ(dlg.edit.GetWindowText(), "init");
    dlg.DestroyWindow();
}

TEST_F(DialogTest, getWindowText_limitsBytes_withoutCuttingACharacter)
{
    ValidatingDlg dlg;
    dlg.Create();
    dlg.edit.SetWindowText("12345678901234567890123");
    char buffer[20];
    EXPECT_EQ(dlg.edit.GetWindowText(buffer, 20), 19);
    EXPECT_STREQ(buffer, "1234567890123456789");
    dlg.edit.SetWindowText("ab等倍"); // 2 + 3 + 3 bytes
    char small[5];
    EXPECT_EQ(dlg.edit.GetWindowText(small, 5), 2);
    EXPECT_STREQ(small, "ab");
    dlg.DestroyWindow();
}

TEST_F(DialogTest, fileDialog_returnsScriptedAnswer_andRecordsTheRequest)
{
    scripted.answerFileDialog("/tmp/a.csv");
    scripted.answerFileDialog(std::nullopt);
    CFileDialog open(
        TRUE, ".csv", nullptr, OFN_HIDEREADONLY, "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||");
    EXPECT_EQ(open.DoModal(), IDOK);
    EXPECT_EQ(open.GetPathName(), "/tmp/a.csv");
    CFileDialog save(FALSE, ".kvs", nullptr, OFN_CREATEPROMPT, "");
    EXPECT_EQ(save.DoModal(), IDCANCEL);
    ASSERT_EQ(scripted.fileRequests().size(), 2u);
    EXPECT_TRUE(scripted.fileRequests()[0].open);
    EXPECT_EQ(scripted.fileRequests()[1].defaultExtension, ".kvs");
}

// Mouse input over passive controls reaches the dialog in its own client coordinates.
class MouseDlg : public CDialog
{
public:
    MouseDlg()
        : CDialog(testTemplateWithLabel())
    {
    }
    static DialogTemplate testTemplateWithLabel()
    {
        DialogTemplate t = testTemplate();
        t.controls.push_back({ 20, ControlKind::Static, "label", 40, 20, 40, 20 });
        return t;
    }
    void OnMouseMove(UINT, POINT p) { moves.push_back(p); }
    void OnLButtonDown(UINT, POINT p) { clicks.push_back(p); }
    std::vector<POINT> moves, clicks;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MouseDlg)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

TEST_F(DialogTest, mouseOverAPassiveControl_reachesTheDialogInClientCoordinates)
{
    MouseDlg dlg;
    dlg.Create();
    QWidget *label = dlg.controlWidget(20);
    ASSERT_EQ(label->pos(), QPoint(70, 30));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 6), label->mapToGlobal(QPointF(5, 6)),
        Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &move);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(7, 8), label->mapToGlobal(QPointF(7, 8)),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &press);
    ASSERT_EQ(dlg.moves.size(), 1u);
    EXPECT_EQ(dlg.moves[0].x, 75);
    EXPECT_EQ(dlg.moves[0].y, 36);
    ASSERT_EQ(dlg.clicks.size(), 1u);
    EXPECT_EQ(dlg.clicks[0].x, 77);
    EXPECT_EQ(dlg.clicks[0].y, 38);
    dlg.DestroyWindow();
}

TEST(FileDialogFilter, win32PairsBecomeQtFilters)
{
    EXPECT_EQ(qtFilterFromWin32("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||"),
        "CSV Files (*.csv);;All Files (*.*)");
    EXPECT_EQ(qtFilterFromWin32("Pictures|*.bmp;*.png||"), "Pictures (*.bmp *.png)");
    EXPECT_EQ(qtFilterFromWin32(""), "");
}

} // namespace
