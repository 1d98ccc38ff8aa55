#include "../support/PathScenario.h"
#include "data/SetupFile.h"
#include "mainwnd/DisplayPath.h"
#include "path/core/PathSetupCheck.h"
#include "path/ui/BackgroundFile.h"
#include "path/ui/CPathSetupDlg.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

namespace {

using S = ScriptedPlatform;

class PathSetupDialogTest : public PathScenario
{
protected:
    static std::string field(CDialog &d, int id) { return d.GetDlgItem(id)->GetWindowText(); }
    Step expectField(int id, std::string expected)
    {
        return S::call([id, expected](CDialog &d) { EXPECT_EQ(field(d, id), expected) << id; });
    }
};

TEST_F(PathSetupDialogTest, choosingFilesAndOrigin_savesSevenLines_thatLoadBackIntoAFreshShowing)
{
    const std::string map = background("map.bmp", 600, 400);
    const std::string walker = character("walker.bmp", {});
    const std::string walk = dataFile("walk.csv", { { 0, 0, 90 }, { 10, 0, 90 } }, 50);

    for (int i = 0; i < 3; ++i)
        scripted.answerFileDialog(map);
    scripted.answerFileDialog(walker);
    scripted.answerFileDialog(std::nullopt); // the second character is cancelled
    scripted.answerFileDialog(walk);
    scripted.answerFileDialog((tempDir() / "x.KVT").string());
    scripted.expectDialog(IDD_PATH_SETUP,
        { S::click(IDC_PATH_BROWSE_BACKGROUND), expectField(IDC_PATH_ORIGIN_X, "0.000000"),
            expectField(IDC_PATH_ORIGIN_Y, "0.000000"), S::click(IDC_PATH_BROWSE_BACKGROUND),
            expectField(IDC_PATH_ORIGIN_X, "-50.000000"),
            expectField(IDC_PATH_ORIGIN_Y, "12.000000"), expectField(IDC_PATH_MAP_SCALE, "0.5"),
            S::click(IDC_PATH_BROWSE_BACKGROUND), expectField(IDC_PATH_ORIGIN_X, "-50.000000"),
            expectField(IDC_PATH_BACKGROUND_FILE, toDisplayPath(map)),
            S::click(IDC_PATH_BROWSE_CHARACTER), S::click(IDC_PATH_BROWSE_CHARACTER2),
            expectField(IDC_PATH_CHARACTER2_FILE, ""), S::click(IDC_PATH_BROWSE_DATA),
            S::click(IDC_PATH_SAVE_SETUP), S::click(IDOK) });
    // The origin questions after each background: letters only, then "-50" and "12abc" on a map
    // of half a unit a pixel, then cancelled.
    for (const auto &[x, y, scale] :
        { std::tuple("abc", "", "1"), std::tuple("-50", "12abc", "0.5") }) {
        scripted.expectDialog(IDD_BACKGROUND_ORIGIN,
            { S::typeText(IDC_ORIGIN_X, x), S::typeText(IDC_ORIGIN_Y, y),
                S::typeText(IDC_MAP_SCALE, scale), S::click(IDOK) });
    }
    scripted.expectDialog(IDD_BACKGROUND_ORIGIN, { S::click(IDCANCEL) });
    click(IDC_PATH_RUN);

    // Saved without asking again on OK; the extension test is case-sensitive.
    const auto saved = tempDir() / "x.KVT.kvt";
    EXPECT_EQ(read(saved.string()),
        "KVT_GRIDWALK_SETUP\r\n" + map + "\r\n-50.000000\r\n12.000000\r\n" + walker + "\r\n\r\n"
            + walk + "\r\nMAP_SCALE=0.5\r\n");
    EXPECT_EQ(std::pair(view().originX, view().originY), std::pair(-50.0, 12.0));
    click(IDC_PATH_RUN);

    // Keeping the previous settings brings back its files and its origin; another time column
    // alone is a change that OK offers to save (declined here).
    scripted.expectDialog(IDD_CONFIRM, { S::click(IDOK) });
    scripted.expectDialog(IDD_PATH_SETUP,
        { expectField(IDC_PATH_ORIGIN_X, "-50.000000"), expectField(IDC_PATH_ORIGIN_Y, "12.000000"),
            expectField(IDC_PATH_DATA_FILE, toDisplayPath(walk)), S::typeText(IDC_TIME_COLUMN, "1"),
            S::click(IDOK) });
    scripted.expectDialog(IDD_CONFIRM, { S::click(IDCANCEL) });
    click(IDC_PATH_RUN);
    EXPECT_EQ(path().setup().values.time.column, 1);
    click(IDC_PATH_RUN);

    // Declining the previous settings opens the defaults; the load brings the file back.
    scripted.expectDialog(IDD_CONFIRM, { S::click(IDCANCEL) });
    scripted.answerFileDialog(saved.string());
    scripted.expectDialog(IDD_PATH_SETUP,
        { expectField(IDC_PATH_BACKGROUND_FILE, ""), S::click(IDC_PATH_LOAD_SETUP),
            expectField(IDC_PATH_CHARACTER_FILE, toDisplayPath(walker)), S::click(IDCANCEL) });
    click(IDC_PATH_RUN);
    EXPECT_TRUE(scripted.messages().empty()) << scripted.messages().front();
}

TEST_F(PathSetupDialogTest, faultySetups_missingFiles_andTheTeachingFlow_sayWhatIsWrong)
{
    path().setStartupDirectory(samplesDir().string()); // the default background is found there
    const std::string map = background("map.bmp", 600, 400);
    const std::string faulty
        = writeFile("short.kvt", "KVT_GRIDWALK_SETUP\r\n" + map + "\r\n-7\r\n").string();
    writeFile("route.csv", "old contents\n");
    const std::string route = (tempDir() / "route").string(); // ".csv" is added
    scripted.answerFileDialog(faulty);
    scripted.answerFileDialog((tempDir() / "nodata.kvt").string());
    scripted.answerFileDialog(std::nullopt); // teaching output: cancelled
    scripted.answerFileDialog(route);
    scripted.expectDialog(IDD_PATH_SETUP,
        { S::click(IDC_PATH_LOAD_SETUP), expectField(IDC_PATH_BACKGROUND_FILE, toDisplayPath(map)),
            expectField(IDC_PATH_ORIGIN_X, "-7"), S::click(IDOK), S::click(IDC_PATH_SAVE_SETUP),
            toggle(IDC_PATH_TEACHING), S::click(IDOK), toggle(IDC_PATH_TEACHING),
            toggle(IDC_PATH_TEACHING), S::typeText(IDC_PATH_MOVE_TIME, "5"),
            S::typeText(IDC_PATH_DIVISIONS, "101"), S::click(IDOK),
            expectField(IDC_PATH_DIVISIONS, "101"), S::typeText(IDC_PATH_MOVE_TIME, "3000"),
            S::typeText(IDC_PATH_DIVISIONS, "30"), S::click(IDOK) });
    scripted.expectDialog(IDD_CONFIRM, { S::click(IDCANCEL) }); // save the changed setup? no
    click(IDC_PATH_RUN);

    const std::string checkAgain
        = "セットアップ内容に誤りがあります、内容を確認してもう一度ＯＫをクリックしてください。";
    const std::string chooseFile
        = "教示ポイントをチェックした場合。その保存先ファイル（ｃｓｖファイ"
          "ル）を指定してください。";
    const std::vector<std::string> expected {
        "セットアップファイルに誤りがあります、手入力にてセットアップしてください。",
        "データファイルが指定されていません。", checkAgain,
        "セットアップ内容に誤りがあります、内容を確認してもう一度保存を行ってください。",
        chooseFile, "保存先ファイルが確定されませんでした。実行できません。",
        "データファイルが指定されていません。", checkAgain, chooseFile,
        "点間のインターバル 指定不正です。", "点間の分割数 指定不正です。"
    };
    EXPECT_EQ(scripted.messages(), expected);
    EXPECT_FALSE(std::filesystem::exists(tempDir() / "nodata.kvt"));
    // The route file is chosen, still as it was until play writes it; the teaching settings
    // are taken.
    EXPECT_EQ(path().setup().values.dataFilePath, route + ".csv");
    EXPECT_EQ(read(route + ".csv"), "old contents\n");
    const RouteSettings &settings = path().setup().route;
    EXPECT_EQ(std::tuple(settings.moveTimeMs, settings.divisionCount, settings.plotPeriodMs),
        std::tuple(3000, 30, 100));
    // The partial load kept its background and origin; the teaching run shows it.
    EXPECT_EQ(view().originX, -7.0);
    scripted.advance(200);
    EXPECT_EQ(shownBackgroundPixel(0, 349), std::pair(0, 399 % 251));
}

} // namespace
