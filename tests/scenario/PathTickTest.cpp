#include "../support/PathScenario.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255), kRed = RGB(255, 0, 0), kAzure = RGB(0, 127, 255);

class PathTickTest : public PathScenario
{
protected:
    // A copy of a good character file with one header field changed.
    std::string spoiled(const std::string &name, std::size_t at, char value)
    {
        std::string bytes = read(arrow(name));
        bytes[at] = value;
        return writeFile(name, bytes).string();
    }
    // Points 40 pixels apart on map row 200; the view is centred on it (view row 175).
    std::string walk()
    {
        return setupFile("walk.kvt", background("map.bmp", 600, 400), 0, 0, arrow("arrow.bmp"), "",
            dataFile("walk.csv",
                { { 100, 200, 0 }, { 140, 200, 180 }, { 180, 200, 90 }, { 220, 200, 270 } }, 50));
    }
};

// Point 2 of the walk below faces right; the trail shows up to the point before (the view is shown
// before the tick extends it), and the character's white shows the map.
const std::vector<std::string> kAtPoint2 {
    "....................................................................",
    "...................................................RRRRRRRRRRR......",
    "MMMMMMMMMM........................................RRRRRRRRRRRR......",
    "MMMMMMMMMM..........................................................",
    "....................................................................",
};

TEST_F(PathTickTest, aMiddleTick_showsTheCharacterTurnedAtItsPoint_itsTrail_andTheReadOuts)
{
    startRun(walk());
    play(3);
    EXPECT_EQ(picture(130, 172, 68, 5), kAtPoint2);
    // The read-outs name the point the next tick draws.
    EXPECT_TRUE(canvasShowsText(QRect(10, 10, 120, 14), gs->titleFont, kAzure, "X位置 : 220.00"));
    EXPECT_TRUE(canvasShowsText(QRect(10, 24, 120, 14), gs->titleFont, kAzure, "Y位置 : 200.00"));
    ticks(1);
    EXPECT_EQ(canvasPixel(212, 174), kRed) << "left";
    EXPECT_TRUE(scripted.messages().empty());
}

// While nothing plays the slider puts the walker at any row, with its trail and its line named;
// play goes on from there.
TEST_F(PathTickTest, theSlider_placesTheWalkerAtAnyRow_andPlayGoesOnFromThere)
{
    startRun(walk());
    click(IDC_SLIDER_MODE);
    dlg->controls().slider.SetPos(3);
    EXPECT_EQ(picture(130, 172, 68, 5), kAtPoint2);
    EXPECT_TRUE(canvasShowsText(QRect(10, 10, 120, 14), gs->titleFont, kAzure, "X位置 : 180.00"));
    EXPECT_EQ(text(IDC_SLIDER_ROW), "4行目"); // the heading is line 1
    dlg->controls().slider.SetPos(1); // back: the trail is gone, the walker at the first row
    EXPECT_EQ(picture(130, 174, 10, 1)[0], "..........");
    EXPECT_EQ(canvasPixel(100, 168), kRed); // facing up

    dlg->controls().slider.SetPos(2);
    click(IDC_PLAY_PAUSE); // play leaves the slider and draws row 2 next
    EXPECT_EQ(text(IDC_SLIDER_ROW), "");
    ticks(1);
    EXPECT_EQ(picture(130, 172, 68, 5), kAtPoint2);
}

TEST_F(PathTickTest, theWalkScrollsTheViewInSteps_neverPastTheMapsEdges_atEachZoom)
{
    struct Leg
    {
        double x, y;
        int count;
    };
    struct Row
    {
        const char *name;
        int zoomOuts, mapWidth, mapHeight;
        std::vector<Leg> legs;
        std::vector<std::pair<int, int>> views; // after each tick
    };
    const Row rows[] = {
        { "full size: right, down, then back to the top left", 0, 700, 500,
            { { 262, 250, 1 }, { 500, 250, 1 }, { 690, 250, 4 }, { 690, 10, 3 }, { 10, 490, 5 } },
            { { 0, 75 }, { 50, 75 }, { 100, 75 }, { 150, 75 }, { 175, 75 }, { 175, 75 },
                { 175, 125 }, { 175, 150 }, { 175, 150 }, { 125, 100 }, { 75, 50 }, { 25, 0 },
                { 0, 0 }, { 0, 0 } } },
        // Half size: the map is 700.5 × 500 at rows 500..999; the top limit stays row 0.
        { "half size", 1, 1401, 1000,
            { { 524, 500, 1 }, { 1380, 500, 5 }, { 1380, 20, 3 }, { 20, 980, 5 } },
            { { 0, 575 }, { 50, 575 }, { 100, 575 }, { 150, 575 }, { 175, 575 }, { 175, 575 },
                { 175, 625 }, { 175, 650 }, { 175, 650 }, { 125, 600 }, { 75, 550 }, { 25, 500 },
                { 0, 450 }, { 0, 450 } } },
    };
    for (const Row &row : rows) {
        std::vector<Point> points;
        for (const Leg &leg : row.legs)
            points.insert(points.end(), static_cast<std::size_t>(leg.count), { leg.x, leg.y, 0 });
        ASSERT_EQ(points.size(), row.views.size()) << row.name;
        startRun(setupFile("walk.kvt", background("map.bmp", row.mapWidth, row.mapHeight), 0, 0, "",
            "", dataFile("walk.csv", points, 50)));
        for (int i = 0; i < row.zoomOuts; ++i)
            click(IDC_ZOOM_OUT);
        click(IDC_PLAY_PAUSE);
        for (std::size_t i = 0; i < points.size(); ++i) {
            ticks(1);
            EXPECT_EQ(std::pair(view().srcX, view().srcY), row.views[i]) << row.name << " " << i;
        }
        click(IDC_PATH_RUN);
    }
}

TEST_F(PathTickTest, zoomRedrawsTheTrailAtItsScale_andScrollsStopAtTheMapsEdges)
{
    std::vector<Point> points;
    for (int i = 0; i < 5; ++i)
        points.push_back({ 100.0 + 100 * i, 100, 90 });
    startRun(setupFile("map.kvt", background("map.bmp", 1200, 800), 0, 0, "", "",
        dataFile("walk.csv", points, 50)));
    click(IDC_ZOOM_IN); // already at full size
    play(3);
    click(IDC_PLAY_PAUSE);
    click(IDC_SCROLL_RIGHT);
    EXPECT_EQ(std::pair(view().srcX, view().srcY), std::pair(150, 450));

    // Each zoom press, the label and the view after it: the lower-left corner stays put.
    const std::tuple<int, const char *, int, int> zooms[] = { { IDC_ZOOM_OUT, "1/2倍", 75, 450 },
        { IDC_ZOOM_OUT, "1/4倍", 37, 450 }, { IDC_ZOOM_OUT, "1/4倍", 37, 450 },
        { IDC_ZOOM_IN, "1/2倍", 74, 450 }, { IDC_ZOOM_IN, "等倍", 148, 450 } };
    for (std::size_t i = 0; i < std::size(zooms); ++i) {
        const auto [id, label, x, y] = zooms[i];
        click(id);
        EXPECT_EQ(text(IDC_EDIT_ZOOM), label) << "press " << i;
        EXPECT_EQ(std::pair(view().srcX, view().srcY), std::pair(x, y)) << "press " << i;
        if (i == 0) { // the trail through point 3 at half scale: map row 750, columns 50..200
            EXPECT_EQ(canvasPixel(150 - 75, 750 - 450), kMagenta);
            EXPECT_NE(canvasPixel(250 - 150, 700 - 450), kMagenta);
        }
    }
    // Back at full size the zoomed picture is gone and the trail is where it was.
    EXPECT_EQ(canvasPixel(250 - 148, 700 - 450), kMagenta);
    click(IDC_PATH_RUN);

    // 600 wide: right scrolls to 75 and no further; left goes back to 0 and no further. Each
    // press and the map pixel at the view's top left after it.
    startRun(setupFile("narrow.kvt", background("narrow.bmp", 600, 400), 0, 0, "", "",
        dataFile("walk.csv", points, 50)));
    // The arrows that would be refused are greyed.
    EXPECT_EQ(scrollArrows(), "U--R");
    const std::tuple<int, int, int, const char *> presses[]
        = { { IDC_SCROLL_RIGHT, 75, 50, "U-L-" }, { IDC_SCROLL_RIGHT, 75, 50, "U-L-" },
              { IDC_SCROLL_LEFT, 0, 50, "U--R" }, { IDC_SCROLL_DOWN, 0, 50, "U--R" },
              { IDC_SCROLL_UP, 0, 0, "-D-R" }, { IDC_SCROLL_UP, 0, 0, "-D-R" },
              { IDC_SCROLL_DOWN, 0, 50, "U--R" } };
    for (std::size_t i = 0; i < std::size(presses); ++i) {
        const auto [id, x, y, arrows] = presses[i];
        click(id);
        EXPECT_EQ(shownBackgroundPixel(0, 100), std::pair(x, y + 100)) << "press " << i;
        EXPECT_EQ(scrollArrows(), arrows) << "press " << i;
    }
    click(IDC_PATH_RUN);
    EXPECT_EQ(scrollArrows(), "----"); // nothing runs: the map tools are greyed, as at start

    // A paused walk keeps its walker 50 px inside the view: a move that would bring it nearer
    // an edge is taken back by the next tick, so its arrow is greyed as well. The view centres
    // on the walker: rows 575..924, the walker at (100, 175) of the view.
    startRun(setupFile("tall.kvt", background("tall.bmp", 600, 1000), 0, 0, "", "",
        dataFile("stand.csv", { { 100, 250, 0 }, { 100, 250, 0 }, { 100, 250, 0 } }, 50)));
    play(2);
    click(IDC_PLAY_PAUSE);
    ticks(3);
    // Up would leave it 25 px above the bottom edge, right 25 px from the left one.
    EXPECT_EQ(scrollArrows(), "-D--");
    click(IDC_SCROLL_DOWN);
    ticks(3);
    EXPECT_EQ(std::pair(view().srcY, scrollArrows()), std::pair(650, std::string("U---")));
}

TEST_F(PathTickTest, aBadCharacterFile_isToldOncePerRunAndFile_andTheWindowStaysUsable)
{
    const std::string eightBit = spoiled("eight.bmp", 28, 8);
    const std::string wide = spoiled("wide.bmp", 18, 63); // rows padded to 192 bytes
    const std::string missing = (tempDir() / "missing.bmp").string();
    const std::string map = background("map.bmp", 600, 400);
    const std::string walk
        = dataFile("walk.csv", { { 100, 200, 0 }, { 150, 200, 0 }, { 200, 200, 0 } }, 50);
    // What is wrong, the file, and what the file is.
    const auto told = [&](const std::string &what, const std::string &file, const char *is) {
        return what + "\n" + file + "\n(" + is + ")";
    };
    const std::string eightTold = told("２４ビットフルカラービットマップのキャラクタにしてください",
        eightBit, "32×32 ピクセル、8 ビット");

    // Told at OK, with what each file is; then not again while the run plays.
    startRun(setupFile("bad.kvt", map, 0, 0, eightBit, missing, walk));
    const std::vector<std::string> atOk { eightTold,
        told("キャラクタファイルを読み込めません。", missing,
            "ファイルまたはフォルダーがありません") };
    EXPECT_EQ(scripted.messages(), atOk);
    play(4);
    scripted.advance(1000); // both frames, many ticks
    EXPECT_EQ(scripted.messages(), atOk);
    // No character: the map shows at the point.
    EXPECT_EQ(shownBackgroundPixel(200, 175 - 8), std::pair(200, 192));
    click(IDC_PATH_RUN);

    // A new run tells again; a character of the wrong size has its own message.
    scripted.clearMessages();
    startRun(setupFile("bad.kvt", map, 0, 0, eightBit, wide, walk));
    EXPECT_EQ(scripted.messages(),
        (std::vector<std::string> { eightTold,
            told("キャラサイズ違反 32×32 ピクセルにしてください。", wide,
                "63×32 ピクセル、24 ビット、6198 バイトのところ 3126 バイトで途切れています") }));
}

} // namespace
