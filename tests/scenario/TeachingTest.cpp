#include "../support/PathScenario.h"
#include "app/cli/CoreCommands.h"
#include "data/NumberText.h"
#include "mainwnd/DisplayPath.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <sstream>
#include <tuple>

namespace {

using S = ScriptedPlatform;
constexpr COLORREF kTeal = RGB(0, 212, 212), kRed = RGB(255, 0, 0), kGreen = RGB(0, 215, 52);
const std::string kTooClose = "教示ﾎﾟｲﾝﾄの間隔が十分でない。";

class TeachingTest : public PathScenario
{
protected:
    // A ring of the colour around (x, y), `pixels` of it showing in the 7 × 7 square.
    bool ringAt(int x, int y, COLORREF colour, int pixels = 28)
    {
        int found = 0;
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                found += canvasPixel(x + dx, y + dy) == colour ? 1 : 0;
        return found == pixels && canvasPixel(x, y) != colour;
    }
    std::pair<double, double> taught(int k)
    {
        return { pathModel().teaching.x[static_cast<std::size_t>(k)],
            pathModel().teaching.y[static_cast<std::size_t>(k)] };
    }
};

TEST_F(TeachingTest, clicksAddPointsThreePixelsApart_withRingsCrosshairAndReadOutsInViewCoordinates)
{
    // 625 wide: one scroll right shows columns 100..624; rows 650..999 are shown.
    startTeaching(setupFile("map.kvt", background("map.bmp", 625, 1000), 0, 0, "", "", ""),
        (tempDir() / "route.csv").string(), false);
    click(IDC_SCROLL_RIGHT);
    ASSERT_EQ(std::pair(view().srcX, view().srcY), std::pair(100, 650));

    mouse(WM_MOUSEMOVE, 0, 0); // the top-left pixel of the picture
    EXPECT_EQ(text(IDC_EDIT_X) + ' ' + text(IDC_EDIT_Y), "100.00 350.00");
    mouse(WM_MOUSEMOVE, 200, 100);
    EXPECT_EQ(text(IDC_EDIT_X) + ' ' + text(IDC_EDIT_Y), "300.00 250.00");
    EXPECT_EQ(std::pair(canvasPixel(200, 20), canvasPixel(20, 100)), std::pair(kGreen, kGreen));

    clickAt(200, 100); // the first point is always taken
    EXPECT_TRUE(ringAt(200, 100, kTeal));
    clickAt(202, 102); // 2.83 from it
    clickAt(203, 100); // exactly 3
    clickAt(300, 100);
    clickAt(201, 100); // near the first point, but only the previous one counts
    clickAt(201, 100);
    clickAt(525, 100); // the column just right of the picture is outside it
    EXPECT_EQ(scripted.messages(), (std::vector<std::string> { kTooClose, kTooClose }));
    EXPECT_EQ(pathModel().teaching.count, 4);
    EXPECT_EQ(taught(1), std::pair(303.0, 250.0));

    click(IDC_ZOOM_OUT); // points are taught at full size
    EXPECT_EQ(text(IDC_EDIT_ZOOM), "等倍");
}

TEST_F(TeachingTest, correctionPicksTheFirstPointInReach_movesItCheckingOnlyItsNeighbours)
{
    startTeaching(setupFile("map.kvt", background("map.bmp", 600, 400), 0, 0, "", "", ""),
        (tempDir() / "route.csv").string(), false);
    click(IDC_TEACH_CORRECTION); // needs two points first
    EXPECT_TRUE(showsFace(IDC_TEACH_CORRECTION, IDB_TEACH_IDLE));
    for (auto [x, y] : { std::pair { 100, 100 }, { 200, 100 }, { 300, 100 }, { 102, 100 } })
        clickAt(x, y);
    ASSERT_EQ(pathModel().teaching.count, 4);

    click(IDC_TEACH_CORRECTION);
    EXPECT_TRUE(showsFace(IDC_TEACH_CORRECTION, IDB_TEACH_ACTIVE));
    click(IDC_PLAY_PAUSE); // no play and no zoom while correcting
    click(IDC_ZOOM_OUT);
    EXPECT_FALSE(scripted.activeTicks());
    EXPECT_EQ(text(IDC_EDIT_ZOOM), "等倍");

    clickAt(203, 100); // |dx| = 3 picks nothing
    clickAt(102, 102); // points 0 and 3 both within reach: the first entered wins
    EXPECT_TRUE(ringAt(100, 100, kRed, 20)); // point 3's ring, two pixels off, covers some
    EXPECT_TRUE(ringAt(200, 100, kTeal));

    // Point 0 moves next to point 3 (not a neighbour), but not next to point 1.
    clickAt(198, 101);
    EXPECT_EQ(scripted.messages(), std::vector<std::string> { kTooClose });
    clickAt(110, 104);
    EXPECT_EQ(taught(0), std::pair(110.0, 246.0));
    EXPECT_TRUE(ringAt(110, 104, kTeal));
    EXPECT_FALSE(ringAt(100, 100, kRed)); // the old red ring is wiped

    // The next click picks anew.
    clickAt(300, 100);
    clickAt(301, 200);
    EXPECT_EQ(taught(2), std::pair(301.0, 150.0));

    click(IDC_PATH_RUN); // a stop gives the correction button its idle face again
    EXPECT_TRUE(showsFace(IDC_TEACH_CORRECTION, IDB_TEACH_IDLE));
}

TEST_F(TeachingTest, routeWrittenWithoutPlay_playsRoute_andCommandLineRouteOfSavedPoints_agree)
{
    // Origin (-50, -50): the points are stored and written in data coordinates.
    const std::string kvt
        = setupFile("map.kvt", background("map.bmp", 800, 400), -50, -50, "", "", "");
    for (const auto &[name, curve, utf8] : { std::tuple { "line", false, false },
             { "curve", true, false }, { "utf8", false, true } }) {
        const std::string route = (tempDir() / (std::string(name) + ".csv")).string();
        if (path().setup().done)
            scripted.expectDialog(IDD_CONFIRM, { S::click(IDCANCEL) });
        startTeaching(kvt, route, curve, 4, 1000, utf8);
        for (auto [x, y] : { std::pair { 40, 300 }, { 140, 200 }, { 300, 250 }, { 420, 120 } })
            clickAt(x, y);
        EXPECT_EQ(taught(0), std::pair(40.0 - 50, 400 - (300 + 50) - 50.0));

        // Written from the window menu: teaching goes on, nothing plays.
        systemCommand(IDM_WRITE_ROUTE);
        EXPECT_EQ(scripted.messages(),
            std::vector<std::string> { "経路ファイルを書き出しました。\n" + route });
        EXPECT_FALSE(scripted.activeTicks());
        const std::string unplayed = read(route);
        const std::string points = (tempDir() / "points").string();
        scripted.answerFileDialog(points); // ".csv" is added
        systemCommand(IDM_SAVE_POINTS);
        std::filesystem::remove(route);

        click(IDC_PLAY_PAUSE);
        ASSERT_TRUE(pb().playing());
        EXPECT_EQ(pb().periodMs(), 250);

        const std::string expected = (tempDir() / "expected.csv").string();
        std::ostringstream out, err;
        std::vector<std::string> args { "route", points + ".csv", "-o", expected, "--divisions",
            "4", "--move-time", "1000", curve ? "--curve" : "--linear" };
        if (utf8)
            args.push_back("--utf8-heading");
        ASSERT_EQ(runCoreCommand(args, out, err), 0) << err.str();
        EXPECT_EQ(err.str(), ""); // the points file reads without a left-out line
        EXPECT_EQ(read(route), read(expected)) << name;
        EXPECT_EQ(unplayed, read(expected)) << name;
        EXPECT_EQ(read(route).starts_with("Ｘ軸データ,"), utf8) << name;
        click(IDC_PATH_RUN);
        scripted.clearMessages();
    }
}

TEST_F(TeachingTest, oneOrTooManyPoints_anUnwritableRouteFile_andAZeroPeriod_areToldPlainly)
{
    std::filesystem::create_directories(tempDir() / "out");
    const std::string route = (tempDir() / "out" / "route.csv").string();
    startTeaching(setupFile("map.kvt", background("map.bmp", 800, 400), 0, 0, "", "", ""), route,
        false, 100, 10);
    // One point is not a route; at 100 divisions 101 points would make 10,001 route points.
    for (int k = 0; k < 101; ++k) {
        clickAt(10 + (k % 50) * 10, 20 + (k / 50) * 10);
        if (k == 0)
            click(IDC_PLAY_PAUSE);
    }
    EXPECT_FALSE(scripted.activeTicks());
    EXPECT_EQ(pathModel().teaching.count, 100);
    EXPECT_EQ(scripted.messages(),
        (std::vector<std::string> { "教示ポイントを2点以上指定してから再生してください。",
            "教示ﾎﾟｲﾝﾄが多すぎます。補間後のﾎﾟｲﾝﾄ数を10000以下にしてください。" }));

    // The route file's folder is gone; the route still plays, at the fastest a clock can run.
    std::filesystem::remove_all(tempDir() / "out");
    scripted.clearMessages();
    click(IDC_PLAY_PAUSE);
    EXPECT_EQ(scripted.messages(),
        (std::vector<std::string> {
            "教示ポイントの保存先ファイルに書き込めませんでした。経路はこのまま再生します。\n"
                + route + "\n(ファイルまたはフォルダーがありません)",
            "教示ポイント間の移動速度を分割数で割った間隔が 1 msec 未満です。1 msec "
            "間隔で再生します。" }));
    scripted.advance(50);
    EXPECT_EQ(pb().index(), 50);
}

TEST_F(TeachingTest, aRouteFileChosenToBeReplaced_keepsItsContentUntilPlayWritesIt)
{
    const std::string walk = dataFile("walk.csv", { { 0, 0, 90 }, { 10, 0, 90 } }, 50);
    const std::string route = writeFile("route.csv", "old route\r\n").string();
    const std::string kvt
        = setupFile("map.kvt", background("map.bmp", 800, 400), 0, 0, "", "", walk);
    startRun(kvt);
    click(IDC_PATH_RUN);

    // The save dialog asked to replace it; the setup is then cancelled.
    scripted.expectDialog(IDD_CONFIRM, { S::click(IDOK) });
    scripted.answerFileDialog(route);
    scripted.expectDialog(IDD_PATH_SETUP, { toggle(IDC_PATH_TEACHING), S::click(IDCANCEL) });
    click(IDC_PATH_RUN);
    EXPECT_EQ(read(route), "old route\r\n");
    scripted.expectDialog(IDD_CONFIRM, { S::click(IDOK) });
    scripted.expectDialog(IDD_PATH_SETUP,
        { S::call([&](CDialog &d) {
             EXPECT_EQ(d.GetDlgItem(IDC_PATH_DATA_FILE)->GetWindowText(), toDisplayPath(walk));
         }),
            S::click(IDCANCEL) });
    click(IDC_PATH_RUN);

    // Taught, then stopped without playing: the points are dropped, the file stays as it was.
    scripted.expectDialog(IDD_CONFIRM, { S::click(IDCANCEL) });
    startTeaching(kvt, route, false);
    clickAt(40, 300);
    clickAt(140, 200);
    click(IDC_PATH_RUN);
    EXPECT_EQ(read(route), "old route\r\n");
}

} // namespace
