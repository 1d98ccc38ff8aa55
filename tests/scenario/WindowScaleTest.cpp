#include "mainwnd/WindowScale.h"

#include "../support/ScenarioFixture.h"
#include "app/WindowZoomOption.h"
#include "res/ResourceIds.h"

#include <QSettings>
#include <tuple>

namespace {

using WindowScaleTest = ScenarioTest;

// Choosing 2× in the window menu remembers it for the next start, checks it and says so.
TEST_F(WindowScaleTest, menuChoiceIsRememberedAndChecked)
{
    ASSERT_TRUE(initOk);
    QSettings::setPath(
        QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(tempDir().string()));
    systemCommand(IDM_WINDOW_SCALE_FIRST + 0x20);
    EXPECT_EQ(rememberedWindowScale(), 20);
    EXPECT_EQ(scripted.messages().size(), 1u);
    std::vector<UINT> checked;
    for (const CMenu::Item &item : dlg->GetSystemMenu(FALSE)->items())
        if (item.flags & MF_CHECKED)
            checked.push_back(item.id);
    EXPECT_EQ(checked, std::vector<UINT> { IDM_WINDOW_SCALE_FIRST + 0x20 });
}

TEST(WindowZoomOption, takesOneOfTheFourScalesOutOfTheArguments)
{
    std::vector<std::string> args { "--zoom-window", "1.5", "a.kvs" };
    bool bad = false;
    EXPECT_EQ(std::tuple(takeZoomWindow(args, bad), bad, args),
        std::tuple(std::optional(15), false, std::vector<std::string> { "a.kvs" }));
    args = { "--zoom-window=3" };
    EXPECT_EQ(takeZoomWindow(args, bad), 30);
    for (std::vector<std::string> wrong : { std::vector<std::string> { "--zoom-window", "4" },
             std::vector<std::string> { "--zoom-window" } }) {
        bad = false;
        takeZoomWindow(wrong, bad);
        EXPECT_TRUE(bad && wrong.empty());
    }
    args = { "a.kvs" };
    EXPECT_FALSE(takeZoomWindow(args, bad));
}

} // namespace
