#include "../support/PathScenario.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

namespace {

using S = ScriptedPlatform;
constexpr COLORREF kMagenta = RGB(255, 0, 255);

class PathRunTest : public PathScenario
{
protected:
    // Points 50 pixels apart along the row 50 above the bottom edge, heading right.
    std::string eastward(int count, int periodMs)
    {
        std::vector<Point> points;
        for (int i = 0; i < count; ++i)
            points.push_back({ 100.0 + 50 * i, 50.0, 90.0 });
        return dataFile("east.csv", points, periodMs);
    }
    // What a person sees of an idle window: both faces idle, full size, no clock running.
    void expectIdle()
    {
        EXPECT_EQ(text(IDC_EDIT_ZOOM), "等倍");
        EXPECT_TRUE(showsFace(IDC_PLAY_PAUSE, IDB_PLAY_IDLE)
            && showsFace(IDC_PATH_RUN, IDB_PATH_IDLE) && !path().running()
            && !scripted.activeTicks());
    }
};

TEST_F(PathRunTest, aRunShowsTheBottomRows_playsPausesEndsReplaysOnACleanMap_andStopsIdle)
{
    const std::string kvt = setupFile("tall.kvt", background("tall.bmp", 800, 1000), 0, 0,
        character("a.bmp", { { 16, 16, RGB(255, 0, 0) } }),
        character("b.bmp", { { 16, 16, RGB(0, 0, 255) } }), eastward(6, 50));
    startRun(kvt);
    ASSERT_TRUE(path().running());
    EXPECT_TRUE(showsFace(IDC_PATH_RUN, IDB_PATH_ACTIVE));
    // Rows 650..999 at the top of the picture area.
    EXPECT_EQ(shownBackgroundPixel(0, 0), std::pair(0, 650 % 251));
    EXPECT_EQ(shownBackgroundPixel(524, 349), std::pair(524 % 251, 999 % 251));

    play(3); // points 0, 1 and 2 drawn; two character frames alternate
    EXPECT_TRUE(showsFace(IDC_PLAY_PAUSE, IDB_PLAY_ACTIVE));
    // The segment from point 0 to point 1 (two rows, as the pen is 2 wide) on the map.
    EXPECT_EQ(
        std::tuple(canvasPixel(120, 300), canvasPixel(120, 299)), std::tuple(kMagenta, kMagenta));
    EXPECT_EQ(shownBackgroundPixel(120, 302), std::pair(120, 952 % 251));

    // Pause: the clock runs on, the point and the time read-out stand.
    click(IDC_PLAY_PAUSE);
    ticks(10);
    EXPECT_EQ(std::pair(pb().index(), text(IDC_EDIT_TIME)), std::pair(3, std::string("0.15")));
    click(IDC_PLAY_PAUSE); // resume on the same clock; the last point keeps being drawn
    ticks(10);
    EXPECT_EQ(std::pair(pb().index(), scripted.activeTicks()), std::pair(5, std::size_t { 1 }));

    play(1); // at the end one press starts again, from point 0 on a clean map
    EXPECT_EQ(pb().index(), 1);
    EXPECT_EQ(shownBackgroundPixel(120, 300), std::pair(120, 950 % 251));
    ticks(2);
    EXPECT_EQ(canvasPixel(120, 300), kMagenta);

    click(IDC_PATH_RUN);
    expectIdle();
    EXPECT_TRUE(scripted.messages().empty()) << scripted.messages().front();
}

TEST_F(PathRunTest, backgroundsOfEverySize_restOnTheViewsBottomEdge_orFailWithAMessage)
{
    const std::string data = eastward(3, 50);
    startRun(setupFile("even.kvt", background("even.bmp", 525, 350), 0, 0, "", "", data));
    click(IDC_PATH_RUN); // a full picture first: none of it may stay beside a smaller map
    // 200 rows: bottom edge on the view's bottom edge, white above, also after ticks and a
    // refresh; no scrolling either way.
    startRun(setupFile("low.kvt", background("low.bmp", 400, 200), 0, 0, "", "", data));
    auto expectBottomPlacement = [&] {
        EXPECT_EQ(shownBackgroundPixel(0, 349), std::pair(0, 199));
        EXPECT_EQ(shownBackgroundPixel(399, 150), std::pair(399 % 251, 0));
        EXPECT_EQ(canvasPixel(200, 149), RGB(255, 255, 255));
        EXPECT_EQ(canvasPixel(450, 300), RGB(255, 255, 255));
    };
    expectBottomPlacement();
    EXPECT_EQ(scrollArrows(), "----");
    for (int id : { IDC_SCROLL_UP, IDC_SCROLL_DOWN, IDC_SCROLL_RIGHT, IDC_SCROLL_LEFT })
        click(id);
    play(3);
    scripted.advance(1000);
    expectBottomPlacement();
    // No character to alternate, yet the time read-out follows the walk.
    EXPECT_EQ(text(IDC_EDIT_TIME), "0.10");
    click(IDC_PATH_RUN);

    // A named map too large to hold is told at OK with what the file is, and the run ends.
    QImage huge(10000, 10000, QImage::Format_Mono);
    huge.fill(0);
    const std::string map = (tempDir() / "huge.png").string();
    huge.save(QString::fromStdString(map), "PNG");
    scripted.clearMessages();
    scripted.expectDialog(IDD_CONFIRM, { S::click(IDOK) });
    scripted.answerFileDialog(setupFile("bad.kvt", map, 0, 0, "", "", data));
    scripted.expectDialog(
        IDD_PATH_SETUP, { S::click(IDC_PATH_LOAD_SETUP), S::click(IDOK), S::click(IDCANCEL) });
    click(IDC_PATH_RUN);
    EXPECT_EQ(scripted.messages(),
        std::vector<std::string> { "バックグラウンドスクリーン設定失敗\n" + map
            + "\n(画像として読み込めないか、大きすぎる画像です)" });
    expectIdle();
    // No background named, and no bitmap1.bmp in the start-up folder.
    scripted.clearMessages();
    path().setStartupDirectory(tempDir().string());
    startRun(setupFile("none.kvt", "", 0, 0, "", "", data));
    EXPECT_EQ(scripted.messages(),
        std::vector<std::string> {
            "バックグラウンドスクリーン設定失敗、再度設定し直してください。\n"
            + (tempDir() / "bitmap1.bmp").string() + "\n(ファイルまたはフォルダーがありません)" });
    expectIdle();
}

TEST_F(PathRunTest, oneRowFiles_zeroPeriods_andARunningCorrelation_areHandledPlainly)
{
    const std::string map = background("map.bmp", 600, 400);
    // One row: the first tick reaches the end and reads it out; no character without a step.
    startRun(setupFile("one.kvt", map, 0, 0, character("c.bmp", { { 16, 16, 0 } }), "",
        dataFile("one.csv", { { 120, 80, 90 } }, 50)));
    play(1);
    EXPECT_EQ(pb().index(), 0);
    // The point (row 320 of the map, row 270 of the view) shows the map, not a character.
    EXPECT_EQ(shownBackgroundPixel(120, 270), std::pair(120, 320 % 251));
    bool readOut = false; // azure text at the top left
    for (int x = 10; x < 60; ++x)
        readOut = readOut || canvasPixel(x, 16) == RGB(0, 127, 255);
    EXPECT_TRUE(readOut);
    click(IDC_PATH_RUN);

    // A first row without a positive period: told, and played at the start-up period.
    startRun(setupFile("zero.kvt", map, 0, 0, "", "", eastward(4, 0)));
    EXPECT_EQ(scripted.messages(),
        std::vector<std::string> { "データファイル1行目のＰＬＯＴ速度（5列目）が正の数ではありま"
                                   "せん。350 msec 間隔で再生します。" });
    play();
    scripted.advance(700);
    EXPECT_EQ(pb().index(), 2);
    click(IDC_PATH_RUN);

    // A path data file that is gone: told with its name, and play has nothing to play.
    const std::string gone = (tempDir() / "gone.csv").string();
    scripted.clearMessages();
    startRun(setupFile("gone.kvt", map, 0, 0, "", "", gone));
    ASSERT_EQ(scripted.messages().size(), 1u);
    EXPECT_NE(scripted.messages()[0].find(gone), std::string::npos);
    click(IDC_PLAY_PAUSE);
    EXPECT_FALSE(pb().playing());
}

// A file longer than the old 10,000-row arrays plays to its last row.
TEST_F(PathRunTest, twelveThousandRows_playToTheLastRow)
{
    std::vector<Point> points;
    for (int i = 0; i < 12000; ++i)
        points.push_back({ 100.0 + i % 200, 50.0 + i / 200 * 4, 90.0 });
    startRun(setupFile("long.kvt", background("map.bmp", 600, 400), 0, 0, "", "",
        dataFile("long.csv", points, 1)));
    play();
    ticks(12010);
    EXPECT_EQ(std::pair(pb().index(), pb().atEnd()), std::pair(11999, true));
    // The trail's last step, from (298, 286) to (299, 286): map row 113 is view row 63.
    EXPECT_EQ(canvasPixel(298, 63), kMagenta);
}

} // namespace
