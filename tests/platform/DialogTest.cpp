#include "platform/BitmapButtonWidget.h"
#include "platform/CDialog.h"
#include "platform/Controls.h"
#include "platform/QtPlatform.h"
#include "tests/support/ScriptedPlatform.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

using S = ScriptedPlatform;

// OK refuses an empty edit, as a dialog's own validation does; mouse input is recorded. Two
// read-only edits, one of them multi-line, stand beside the editable one.
class TestDlg : public CDialog
{
public:
    TestDlg()
        : CDialog({ 7, "テスト", 100, 60, "ＭＳ Ｐゴシック", 9, false,
            { { 10, ControlKind::Edit, "", 4, 4, 40, 12, CS_RIGHT },
                { 11, ControlKind::CheckBox, "check", 4, 20, 40, 10 },
                { 12, ControlKind::PushButton, "...", 50, 4, 20, 12 },
                { 20, ControlKind::Static, "label", 40, 20, 40, 20 },
                { 13, ControlKind::Edit, "", 4, 26, 30, 12, CS_READONLY | CS_RIGHT },
                { 14, ControlKind::Edit, "", 74, 4, 20, 30,
                    CS_MULTILINE | CS_READONLY | CS_NOBORDER },
                { 1, ControlKind::DefPushButton, "OK", 4, 40, 40, 14 },
                { 2, ControlKind::PushButton, "ｷｬﾝｾﾙ", 50, 40, 40, 14 } } })
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
    void OnMouseMove(UINT, POINT p) { mouse.emplace_back(p.x, p.y); }
    void OnLButtonDown(UINT, POINT p) { mouse.emplace_back(-p.x, -p.y); }

    CEdit edit;
    CButton check;
    std::string seen;
    int checked = -1, browsed = 0;
    std::vector<std::pair<int, int>> mouse; // a press is recorded negated
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDlg)
ON_BN_CLICKED(12, OnBrowse)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
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
        { S::typeText(10, ""), S::click(12), S::click(1), S::typeText(10, "42"),
            S::setCheck(11, true), S::click(1), S::click(12) });
    TestDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    // The click after OK never happened: the dialog had ended.
    EXPECT_EQ(std::tuple(dlg.seen, dlg.checked, dlg.browsed), std::tuple("42", 1, 1));
    EXPECT_EQ(scripted.messages(), std::vector<std::string> { "empty" });
}

TEST_F(DialogTest,
    createdDialog_placesControlsInDialogUnits_forwardsMouse_limitsTextBytes_showsReadOnly)
{
    TestDlg dlg;
    dlg.Create();
    EXPECT_EQ(dlg.widget()->size(), QSize(175, 90)); // 7×12 dialog units
    EXPECT_EQ(dlg.edit.GetWindowText(), "init");
    QWidget *label = dlg.controlWidget(20);
    ASSERT_EQ(label->pos(), QPoint(70, 30));
    const auto send = [label](QEvent::Type type, Qt::MouseButton button, QPointF p) {
        QMouseEvent event(type, p, label->mapToGlobal(p), button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(label, &event);
    };
    send(QEvent::MouseMove, Qt::NoButton, { 5, 6 });
    send(QEvent::MouseButtonPress, Qt::LeftButton, { 7, 8 });
    EXPECT_EQ(dlg.mouse, (std::vector<std::pair<int, int>> { { 75, 36 }, { -77, -38 } }));
    // GetWindowText limits bytes without cutting a character.
    char buffer[20];
    dlg.edit.SetWindowText("ab等倍"); // 2 + 3 + 3 bytes
    EXPECT_EQ(dlg.edit.GetWindowText(buffer, 5), 2);
    EXPECT_STREQ(buffer, "ab");

    // A read-only edit, single or multi-line, shows the dialog's face colour behind its text, as
    // on the system the dialogs come from; an editable one keeps the white field.
    dlg.edit.SetWindowText("");
    const auto inside = [&](int id) {
        QWidget *w = dlg.controlWidget(id);
        w->ensurePolished();
        return w->grab().toImage().pixel(w->width() / 2, w->height() / 2);
    };
    const QRgb face = dlg.widget()->palette().color(QPalette::Window).rgb();
    EXPECT_NE(inside(10), face);
    EXPECT_EQ(std::pair(inside(13), inside(14)), std::pair(face, face));
    EXPECT_TRUE(qobject_cast<QLineEdit *>(dlg.controlWidget(13))->isReadOnly());
    dlg.DestroyWindow();
}

TEST(FileDialog, win32FiltersBecomeQtFilters)
{
    EXPECT_EQ(qtFilterFromWin32("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||"),
        "CSV Files (*.csv);;All Files (*.*)");
}

// The pressed face is painted the first time it is shown, and only then.
TEST(BitmapButton, pressedFace_paintedWhenFirstShown)
{
    BitmapButtonWidget button(nullptr);
    QImage up(8, 4, QImage::Format_RGB32);
    up.fill(Qt::white);
    int painted = 0;
    button.setFaces(up, [&painted] {
        ++painted;
        QImage down(8, 4, QImage::Format_RGB32);
        down.fill(Qt::black);
        return down;
    });
    EXPECT_EQ(painted, 0);
    EXPECT_EQ(button.downFace().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(button.downFace().pixel(7, 3), qRgb(0, 0, 0));
    EXPECT_EQ(painted, 1);
}

} // namespace
