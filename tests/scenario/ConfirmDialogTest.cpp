#include "mainwnd/CConfirmDlg.h"
#include "platform/ScriptedPlatform.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"
#include "res/TraceletResources.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

using SP = ScriptedPlatform;
using Step = SP::Step;

TEST(ConfirmDialogTest, showsTheQuestion_onlyOkAnswersOk)
{
    registerTraceletResources();
    ScriptedPlatform scripted;
    installPlatform(&scripted);
    QString shown;
    int row = 0;
    const Step read = SP::call([&](CDialog &d) {
        shown = qobject_cast<QPlainTextEdit *>(d.controlWidget(IDC_CONFIRM_TEXT))->toPlainText();
    });
    const Step escape = SP::call([](CDialog &d) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(d.widget(), &press);
    });
    const Step closeBox = SP::call([](CDialog &d) {
        d.widget()->show();
        d.widget()->close();
    });
    for (const auto &[steps, result] : { std::pair { std::vector { read, SP::click(IDOK) }, IDOK },
             { { SP::click(IDCANCEL) }, IDCANCEL }, { { escape }, IDCANCEL },
             { { closeBox }, IDCANCEL } }) {
        scripted.expectDialog(IDD_CONFIRM, steps);
        CConfirmDlg dlg("前回設定内容が存在します。修正しますか？");
        EXPECT_EQ(dlg.DoModal(), result) << "row " << row++;
    }
    EXPECT_EQ(shown.toStdString(), "前回設定内容が存在します。修正しますか？");
    installPlatform(nullptr);
    EXPECT_TRUE(scripted.problems().empty());
}

} // namespace
