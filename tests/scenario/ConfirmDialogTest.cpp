#include "path/ui/CConfirmDlg.h"
#include "platform/ScriptedPlatform.h"
#include "res/ResourceIds.h"
#include "res/TraceletResources.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <functional>
#include <gtest/gtest.h>

namespace {

using SP = ScriptedPlatform;

class ConfirmDialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { registerTraceletResources(); }
    void SetUp() override { installPlatform(&scripted); }
    void TearDown() override
    {
        installPlatform(nullptr);
        EXPECT_TRUE(scripted.problems().empty()) << scripted.problems().front();
    }

    ScriptedPlatform scripted;
    RunState rs;
};

TEST_F(ConfirmDialogTest, shows_questionFromSharedState_inReadOnlyWrappingBox)
{
    rs.confirmMessage = "前回設定内容が存在します。修正しますか？";
    QString shown;
    bool readOnly = false;
    bool wraps = false;
    scripted.expectDialog(IDD_CONFIRM,
        { SP::call([&](CDialog &d) {
             auto *box = qobject_cast<QPlainTextEdit *>(d.controlWidget(1034));
             ASSERT_NE(box, nullptr);
             shown = box->toPlainText();
             readOnly = box->isReadOnly();
             wraps = box->lineWrapMode() != QPlainTextEdit::NoWrap;
         }),
            SP::click(IDOK) });
    CConfirmDlg dlg(rs);
    dlg.DoModal();
    EXPECT_EQ(shown.toStdString(), rs.confirmMessage);
    EXPECT_TRUE(readOnly);
    EXPECT_TRUE(wraps);
}

struct Answer
{
    const char *name;
    std::function<void(CDialog &)> act;
    int result;
};

void sendKey(CDialog &d, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(d.widget(), &press);
}

class ConfirmDialogAnswerTest : public ConfirmDialogTest,
                                public ::testing::WithParamInterface<Answer>
{
};

TEST_P(ConfirmDialogAnswerTest, doModal_returnsOkOnlyForOk)
{
    rs.confirmMessage = "設定内容は、新規もしくは変更されています。設定内容を保存しますか？";
    scripted.expectDialog(IDD_CONFIRM, { SP::call(GetParam().act) });
    CConfirmDlg dlg(rs);
    EXPECT_EQ(dlg.DoModal(), GetParam().result);
    EXPECT_EQ(
        rs.confirmMessage, "設定内容は、新規もしくは変更されています。設定内容を保存しますか？");
}

INSTANTIATE_TEST_SUITE_P(ConfirmDialog, ConfirmDialogAnswerTest,
    ::testing::Values(Answer { "okButton", [](CDialog &d) { d.PressButton(IDOK); }, IDOK },
        Answer { "cancelButton", [](CDialog &d) { d.PressButton(IDCANCEL); }, IDCANCEL },
        Answer { "escape", [](CDialog &d) { sendKey(d, Qt::Key_Escape); }, IDCANCEL },
        Answer { "closeBox",
            [](CDialog &d) {
                d.widget()->show();
                d.widget()->close();
            },
            IDCANCEL }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
