#include "../support/PathScenario.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255), kRed = RGB(255, 0, 0);

class PathTickTest : public PathScenario
{
protected:
    // An arrow: a red bar from the centre up, 12 pixels long.
    std::string arrow(const std::string &name)
    {
        std::vector<Mark> bar;
        for (int row = 4; row < 16; ++row)
            bar.push_back({ 16, row, kRed });
        return character(name, bar);
    }
    // A copy of a good character file with one header field changed.
    std::string spoiled(const std::string &name, std::size_t at, char value)
    {
        std::string bytes = read(arrow(name));
        bytes[at] = value;
        return writeFile(name, bytes).string();
    }
};

TEST_F(PathTickTest, theCharacterTurnsToEachHeading_overTheMap_behindItsMagentaTrail)
{
    // Points 100 pixels apart on map row 200; the view is centred on row 200 (view row 175).
    startRun(setupFile("walk.kvt", background("map.bmp", 600, 400), 0, 0, arrow("arrow.bmp"), "",
        dataFile("walk.csv",
            { { 100, 200, 0 }, { 200, 200, 90 }, { 300, 200, 180 }, { 400, 200, 0 } }, 50)));
    const int py = 175;
    play(1);
    EXPECT_EQ(view().srcY, 25);
    // Facing up: the bar above the point; white shows the map.
    EXPECT_EQ(canvasPixel(100, py - 8), kRed);
    EXPECT_EQ(shownBackgroundPixel(100, py + 5), std::pair(100, 205));
    EXPECT_EQ(shownBackgroundPixel(90, py + 10), std::pair(90, 210));

    ticks(1); // a quarter turn clockwise: the bar points right
    EXPECT_EQ(canvasPixel(205, py - 1), kRed);
    EXPECT_EQ(shownBackgroundPixel(200, py - 8), std::pair(200, 192));

    ticks(1); // upside down: the bar below the point
    EXPECT_EQ(canvasPixel(300, py + 5), kRed);
    EXPECT_EQ(shownBackgroundPixel(300, py - 8), std::pair(300 % 251, 192));
    // The trail of the first step, two pixels wide, and the map right below it.
    EXPECT_EQ(canvasPixel(150, py), kMagenta);
    EXPECT_EQ(canvasPixel(150, py - 1), kMagenta);
    EXPECT_EQ(shownBackgroundPixel(150, py + 1), std::pair(150, 201));
    // The read-out names the point the next tick draws.
    EXPECT_EQ(pb().index, 3);
    EXPECT_TRUE(scripted.messages().empty());
}

TEST_F(PathTickTest, theViewCentresOnTheStart_followsTheEdges_andRecentresAfterAZoom)
{
    // Origin -50.7: data X 0 is map column 50.
    const std::vector<Point> points { { 0, 500, 90 }, { 430, 500, 90 }, { 430, 640, 0 },
        { 430, 100, 180 }, { 1900, 500, 90 }, { 1000, 500, 90 } };
    startRun(setupFile("big.kvt", background("big.bmp", 2000, 1000), -50.7, 0, "", "",
        dataFile("route.csv", points, 50)));
    play(1);
    // Too near the left edge to centre: column 0; row 500 centred (500 − 175).
    EXPECT_EQ(std::pair(view().srcX, view().srcY), std::pair(0, 325));
    EXPECT_EQ(pathModel().lastPointX, 50);
    ticks(1); // view column 480: 50 to the right
    EXPECT_EQ(view().srcX, 50);
    ticks(1); // view row 35: 50 up
    EXPECT_EQ(view().srcY, 275);
    ticks(1); // far below: one step of 50 down
    EXPECT_EQ(view().srcY, 325);
    ticks(1);
    EXPECT_EQ(view().srcX, 100);

    // Zoom out while held before the last point: play resumes there (no fresh start), and the
    // point is centred at half scale, rows as well as columns.
    click(IDC_PLAY_PAUSE);
    click(IDC_ZOOM_OUT);
    EXPECT_TRUE(view().reanchor);
    click(IDC_PLAY_PAUSE);
    ticks(1);
    EXPECT_EQ(pathModel().lastPointX, 525); // (1000 + 50) / 2
    EXPECT_EQ(std::pair(view().srcX, view().srcY), std::pair(263, 575));
    EXPECT_FALSE(view().reanchor);
}

TEST_F(PathTickTest, zoomRedrawsTheTrailAtItsScale_andScrollsStopAtTheMapsEdges)
{
    std::vector<Point> points;
    for (int i = 0; i < 5; ++i)
        points.push_back({ 100.0 + 100 * i, 100, 90 });
    startRun(setupFile("map.kvt", background("map.bmp", 1200, 800), 0, 0, "", "",
        dataFile("walk.csv", points, 50)));
    click(IDC_ZOOM_IN); // already at full size
    EXPECT_EQ(text(IDC_EDIT_ZOOM), "等倍");
    play(3);
    click(IDC_PLAY_PAUSE);
    click(IDC_SCROLL_RIGHT);
    EXPECT_EQ(std::pair(view().srcX, view().srcY), std::pair(150, 450));

    click(IDC_ZOOM_OUT);
    EXPECT_EQ(text(IDC_EDIT_ZOOM), "1/2倍");
    EXPECT_EQ(std::pair(view().srcX, view().srcY), std::pair(75, 450));
    // The trail through point 3 at half scale: map row 750, columns 50..200.
    EXPECT_EQ(canvasPixel(150 - 75, 750 - 450), kMagenta);
    EXPECT_NE(canvasPixel(250 - 150, 700 - 450), kMagenta);
    click(IDC_ZOOM_OUT);
    EXPECT_EQ(text(IDC_EDIT_ZOOM), "1/4倍");
    click(IDC_ZOOM_OUT);
    EXPECT_EQ(text(IDC_EDIT_ZOOM), "1/4倍");
    click(IDC_ZOOM_IN);
    click(IDC_ZOOM_IN);
    EXPECT_EQ(text(IDC_EDIT_ZOOM), "等倍");
    EXPECT_EQ(std::pair(view().srcX, view().srcY), std::pair(148, 450));
    // Back at full size the zoomed picture is gone and the trail is where it was.
    EXPECT_EQ(canvasPixel(250 - 148, 700 - 450), kMagenta);

    // After the zoom the line starts afresh at the next point and goes on from there.
    click(IDC_PLAY_PAUSE);
    ticks(2);
    EXPECT_EQ(pb().index, 4);
    click(IDC_PATH_RUN);

    // 600 wide: right scrolls to 75 and no further; left goes back to 0 and no further.
    startRun(setupFile("narrow.kvt", background("narrow.bmp", 600, 400), 0, 0, "", "",
        dataFile("walk.csv", points, 50)));
    // Each press and the map pixel at the view's top left after it: the bottom rows are shown
    // already, and no press goes past an edge.
    const std::tuple<int, int, int> presses[] = { { IDC_SCROLL_RIGHT, 75, 50 },
        { IDC_SCROLL_RIGHT, 75, 50 }, { IDC_SCROLL_LEFT, 0, 50 }, { IDC_SCROLL_DOWN, 0, 50 },
        { IDC_SCROLL_UP, 0, 0 }, { IDC_SCROLL_UP, 0, 0 }, { IDC_SCROLL_DOWN, 0, 50 } };
    for (std::size_t i = 0; i < std::size(presses); ++i) {
        const auto [id, x, y] = presses[i];
        click(id);
        EXPECT_EQ(std::pair(view().srcX, view().srcY), std::pair(x, y)) << "press " << i;
        EXPECT_EQ(shownBackgroundPixel(0, 100), std::pair(x, y + 100)) << "press " << i;
    }
}

TEST_F(PathTickTest, aBadCharacterFile_isToldOncePerRunAndFile_andTheWindowStaysUsable)
{
    const std::string eightBit = spoiled("eight.bmp", 28, 8);
    const std::string wide = spoiled("wide.bmp", 18, 64);
    const std::string missing = (tempDir() / "missing.bmp").string();
    const std::string map = background("map.bmp", 600, 400);
    const std::string walk
        = dataFile("walk.csv", { { 100, 200, 0 }, { 150, 200, 0 }, { 200, 200, 0 } }, 50);
    const std::string notTrueColour = "２４ビットフルカラービットマップのキャラクタにしてください";
    // What is wrong, the file, and what the file is.
    const auto told = [&](const std::string &what, const std::string &file, const char *is) {
        return what + "\n" + file + "\n(" + is + ")";
    };

    // Told at OK, with what each file is; then not again while the run plays.
    startRun(setupFile("bad.kvt", map, 0, 0, eightBit, missing, walk));
    const std::vector<std::string> atOk { told(notTrueColour, eightBit, "32×32 ピクセル、8 ビット"),
        told("キャラクタファイルを読み込めません。", missing,
            "ファイルまたはフォルダーがありません") };
    EXPECT_EQ(scripted.messages(), atOk);
    play(4);
    scripted.advance(1000); // both frames, many ticks
    EXPECT_EQ(scripted.messages(), atOk);
    // No character: the map shows at the point.
    EXPECT_EQ(shownBackgroundPixel(200, 175 - 8), std::pair(200, 192));
    click(IDC_PLAY_PAUSE); // at the end: the clock stops and the walk starts again
    click(IDC_PLAY_PAUSE);
    EXPECT_FALSE(pb().playing);
    click(IDC_PATH_RUN);
    EXPECT_FALSE(path().running() || scripted.activeTicks());

    // A new run tells again; a character of the wrong size has its own message.
    scripted.clearMessages();
    startRun(setupFile("bad.kvt", map, 0, 0, eightBit, wide, walk));
    play(10);
    scripted.advance(1000);
    EXPECT_EQ(scripted.messages(),
        (std::vector<std::string> { told(notTrueColour, eightBit, "32×32 ピクセル、8 ビット"),
            told("キャラサイズ違反 32×32 ピクセルにしてください。", wide,
                "64×32 ピクセル、24 ビット、6198 バイトのところ 3126 バイトで途切れています") }));
    // A character spoiled while the run plays is still told, once.
    const std::string arrowFile = arrow("late.bmp");
    scripted.clearMessages();
    click(IDC_PATH_RUN);
    startRun(setupFile("late.kvt", map, 0, 0, arrowFile, "", walk));
    spoiled("late.bmp", 28, 8);
    play(10);
    EXPECT_EQ(scripted.messages(),
        std::vector<std::string> { told(notTrueColour, arrowFile, "32×32 ピクセル、8 ビット") });
}

} // namespace
