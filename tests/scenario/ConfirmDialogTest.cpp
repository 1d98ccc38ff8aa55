#include "path/ui/CConfirmDlg.h"
#include "platform/ScriptedPlatform.h"
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
    RunState rs;
    rs.confirmMessage = "前回設定内容が存在します。修正しますか？";
    QString shown;
    const auto escape = [](CDialog &d) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(d.widget(), &press);
    };
    const auto close = [](CDialog &d) {
        d.widget()->show();
        d.widget()->close();
    };
    const std::pair<Step, int> answers[]
        = { { SP::click(IDOK), IDOK }, { SP::click(IDCANCEL), IDCANCEL },
              { SP::call(escape), IDCANCEL }, { SP::call(close), IDCANCEL } };
    for (const auto &[answer, result] : answers) {
        SCOPED_TRACE(result);
        shown.clear();
        scripted.expectDialog(IDD_CONFIRM,
            { SP::call([&](CDialog &d) {
                 shown = qobject_cast<QPlainTextEdit *>(d.controlWidget(1034))->toPlainText();
             }),
                answer });
        CConfirmDlg dlg(rs);
        EXPECT_EQ(dlg.DoModal(), result);
        EXPECT_EQ(shown.toStdString(), rs.confirmMessage);
    }
    installPlatform(nullptr);
    EXPECT_TRUE(scripted.problems().empty());
}

} // namespace
