#include "../support/PathScenario.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

namespace {

using S = ScriptedPlatform;

class PathFaultsTest : public PathScenario
{
protected:
    // A teaching run over a 600 × 400 map with two points taught, its route going to `route`.
    void teachTwoPoints(const std::string &route, int divisions, int moveTimeMs)
    {
        scripted.answerFileDialog(route);
        scripted.expectDialog(IDD_PATH_SETUP,
            { toggle(IDC_PATH_TEACHING), S::typeText(IDC_PATH_DIVISIONS, std::to_string(divisions)),
                S::typeText(IDC_PATH_MOVE_TIME, std::to_string(moveTimeMs)), S::click(IDOK) });
        scripted.expectDialog(IDD_CONFIRM, { S::click(IDCANCEL) });
        path().setStartupDirectory(tempDir().string());
        background("bitmap1.bmp", 600, 400);
        click(IDC_PATH_RUN);
        scripted.advance(200);
        clickAt(100, 200);
        clickAt(300, 200);
        scripted.clearMessages();
    }
};

TEST_F(PathFaultsTest, aPlotSpeedOkRefused_isNotSavedByTheSaveItOffers)
{
    const std::string saved = (tempDir() / "s.kvs").string();
    scripted.answerFileDialog(writeFile("xy.csv", "x,y\n1,2\n2,3\n3,5\n").string());
    scripted.answerFileDialog(saved);
    scripted.expectDialog(IDD_CORR_SETUP,
        { S::click(IDC_CORR_BROWSE_DATA), S::typeText(IDC_CORR_START_ROW, "2"),
            S::setCheck(IDC_CORR_PLOT_SPEED_CHECK, true), S::typeText(IDC_CORR_PLOT_SPEED, "20"),
            S::click(IDOK) });
    scripted.expectDialog(IDD_CONFIRM, { S::click(IDOK) });
    click(IDC_CORR_RUN);
    // The start row, then the plot speed: the 50 kept, not the 20 refused.
    EXPECT_NE(read(saved).find("\r\n2\r\n50\r\n"), std::string::npos) << read(saved);
}

TEST_F(PathFaultsTest, teaching_asksBeforeAnExistingFileIsReplaced_andACancelledChoiceIsNoFile)
{
    const std::string kept = writeFile("kept.csv", "X,Y\n1,2\n").string();
    const std::string route = (tempDir() / "route.csv").string();
    // The route chosen with the data file's open dialog: OK asks; declined, the dialog stays.
    scripted.answerFileDialog(route);
    scripted.answerFileDialog(kept);
    scripted.expectDialog(IDD_PATH_SETUP,
        { toggle(IDC_PATH_TEACHING), S::click(IDC_PATH_BROWSE_DATA), S::click(IDOK),
            S::click(IDCANCEL) });
    scripted.expectDialog(IDD_CONFIRM, { S::click(IDCANCEL) });
    click(IDC_PATH_RUN);
    EXPECT_EQ(scripted.shownDialogs(), (std::vector<int> { IDD_PATH_SETUP, IDD_CONFIRM }));
    EXPECT_EQ(read(kept), "X,Y\n1,2\n");
}

TEST_F(PathFaultsTest, closing_asksWhileTaughtPointsAreUnwritten_andTheRouteRecordsOneMillisecond)
{
    const std::string route = (tempDir() / "route.csv").string();
    teachTwoPoints(route, 100, 10);
    scripted.expectDialog(IDD_CONFIRM, { S::click(IDCANCEL) });
    click(IDCANCEL);
    EXPECT_FALSE(dlg->IsEnded());
    click(IDC_PLAY_PAUSE); // writes the route: nothing left to lose
    EXPECT_NE(read(route).find(",1\r\n"), std::string::npos) << read(route);
    click(IDCANCEL);
    EXPECT_TRUE(dlg->IsEnded());
    EXPECT_EQ(scripted.shownDialogs().size(), 3u); // setup, save question, one close question
}

TEST_F(PathFaultsTest, pathsWrittenOnAnotherMachine_areFoundBesideTheSetup_andTold)
{
    const std::string map = background("town.bmp", 600, 400);
    const std::string walk = dataFile("walk.csv", { { 10, 10, 0 }, { 20, 10, 0 } }, 50);
    const std::string kvt = writeFile("w.kvt",
        "KVT_GRIDWALK_SETUP\r\nC:\\maps\\town.bmp\r\n0\r\n0\r\nC:\\maps\\gone.bmp\r\n\r\n"
        "..\\data\\walk.csv\r\n")
                                .string();
    startRun(kvt);
    EXPECT_EQ(path().setup().values.backgroundFilePath, map);
    EXPECT_EQ(path().setup().values.dataFilePath, walk);
    ASSERT_FALSE(scripted.messages().empty());
    const std::string &told = scripted.messages()[0];
    for (const std::string &part :
        { std::string("C:\\maps\\town.bmp\n→ ") + map, std::string("..\\data\\walk.csv\n→ ") + walk,
            std::string("見つかりません。\nC:\\maps\\gone.bmp") })
        EXPECT_NE(told.find(part), std::string::npos) << told;
}

} // namespace
