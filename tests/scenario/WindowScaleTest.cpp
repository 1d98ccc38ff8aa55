#include "mainwnd/WindowScale.h"

#include "../support/PathScenario.h"
#include "app/WindowZoomOption.h"
#include "correlation/core/CorrSetupFile.h"
#include "data/Translate.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <QSettings>
#include <tuple>

namespace {

class WindowScaleTest : public PathScenario
{
protected:
    void SetUp() override
    {
        PathScenario::SetUp();
        QSettings::setPath(
            QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(tempDir().string()));
        setStartedWindowScale(10);
    }
    void TearDown() override
    {
        setStartedWindowScale(std::nullopt);
        PathScenario::TearDown();
    }
    bool checked(unsigned id)
    {
        for (const CMenu::Item &item : dlg->GetSystemMenu(FALSE)->items())
            if (item.id == id)
                return item.flags & MF_CHECKED;
        return false;
    }
};

// The scale the window runs at changes nothing; 2× during a correlation run starts this program
// again at 2× in the window's language with the run's setup, and the window closes.
TEST_F(WindowScaleTest, anotherScaleReopensTheProgramWithTheRunningSetup)
{
    ASSERT_TRUE(initOk);
    const std::filesystem::path sample = samplesDir() / "correlation_positive.kvs";
    ASSERT_EQ(dlg->StartRun("correlation", RunRequest { sample.string(), 0, {} }).refusal, "");
    systemCommand(IDM_WINDOW_SCALE_FIRST);
    EXPECT_TRUE(scripted.started().empty() && scripted.messages().empty() && !dlg->IsEnded());

    systemCommand(IDM_WINDOW_SCALE_FIRST + 0x20);
    ASSERT_EQ(scripted.started().size(), 1u);
    const std::vector<std::string> &started = scripted.started()[0];
    ASSERT_EQ(started.size(), 6u);
    EXPECT_EQ(std::vector(started.begin() + 1, started.end() - 1),
        (std::vector<std::string> { "--lang", textLanguage(), "--zoom-window", "2" }));
    std::vector<std::string> written = readCorrSetupFile(started.back()).values;
    std::vector<std::string> expected = readCorrSetupFile(sample.string()).values;
    std::filesystem::remove_all(std::filesystem::path(started.back()).parent_path());
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written[0], (samplesDir() / expected[0]).string());
    EXPECT_EQ(std::vector(written.begin() + 1, written.end()),
        std::vector(expected.begin() + 1, expected.end()));
    EXPECT_EQ(rememberedWindowScale(), 20);
    EXPECT_TRUE(checked(IDM_WINDOW_SCALE_FIRST + 0x20));
    EXPECT_TRUE(dlg->IsEnded());
}

// Unsaved taught points kept: nothing starts, nothing is remembered, the window stays.
TEST_F(WindowScaleTest, keepingTaughtPointsKeepsTheWindow)
{
    ASSERT_TRUE(initOk);
    startTeaching(setupFile("map.kvt", background("map.bmp", 600, 400), 0, 0, "", "", ""),
        (tempDir() / "route.csv").string(), false);
    clickAt(40, 300);
    scripted.expectDialog(IDD_CONFIRM, { ScriptedPlatform::click(IDCANCEL) });
    systemCommand(IDM_WINDOW_SCALE_FIRST + 0x30);
    EXPECT_TRUE(scripted.scriptsDone());
    EXPECT_TRUE(scripted.started().empty() && !dlg->IsEnded());
    EXPECT_EQ(rememberedWindowScale(), 10);
    EXPECT_TRUE(checked(IDM_WINDOW_SCALE_FIRST));
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
