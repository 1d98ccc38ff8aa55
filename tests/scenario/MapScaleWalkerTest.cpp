#include "../support/PathScenario.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <QImage>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
const std::string kTooClose = "教示ﾎﾟｲﾝﾄの間隔が十分でない。";

class MapScaleWalkerTest : public PathScenario
{
protected:
    // The arrow as PNG: transparent around it, a half-transparent blue pixel above its tip.
    std::string pngArrow()
    {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(qRgba(0, 255, 0, 0));
        for (int row = 4; row < 16; ++row)
            image.setPixel(16, row, qRgba(255, 0, 0, 255));
        image.setPixel(16, 2, qRgba(0, 0, 255, 128));
        const std::string path = (tempDir() / "arrow.png").string();
        image.save(QString::fromStdString(path), "PNG");
        return path;
    }
    std::string scaled(const std::string &kvt, const char *scale)
    {
        return writeFile(kvt, read(kvt) + "MAP_SCALE=" + scale + "\r\n").string();
    }
};

TEST_F(MapScaleWalkerTest, aPngWalkerTurnsAsTheBitmapOne_andBlendsOverTheMapByItsAlpha)
{
    // Point 2 faces right, at map (180, 200); the view shows map rows from 25.
    const std::string map = background("map.bmp", 600, 400);
    const std::string walk = dataFile("walk.csv",
        { { 100, 200, 0 }, { 140, 200, 180 }, { 180, 200, 90 }, { 220, 200, 270 } }, 50);
    startRun(setupFile("bmp.kvt", map, 0, 0, arrow("arrow.bmp"), "", walk));
    play(3);
    std::vector<std::string> expected = picture(176, 170, 20, 6);
    click(IDC_PATH_RUN);

    startRun(setupFile("png.kvt", map, 0, 0, pngArrow(), "", walk));
    play(3);
    // The tip's half-transparent pixel turned right lands on column 193, rows 173 and 174.
    expected[3][17] = expected[4][17] = '?';
    EXPECT_EQ(picture(176, 170, 20, 6), expected);
    // Half blue over map pixel (193, 198) = RGB(193, 198, 64), rounded.
    EXPECT_EQ(canvasPixel(193, 173), RGB(96, 99, 160));
    EXPECT_TRUE(scripted.messages().empty());
}

TEST_F(MapScaleWalkerTest, onAMapOfHalfAUnitAPixel_theTrailDoublesAndTaughtPointsAreInDataUnits)
{
    // Points 20 units apart are 40 pixels apart on map row 200.
    startRun(
        scaled(setupFile("walk.kvt", background("map.bmp", 600, 400), 0, 0, "", "",
                   dataFile("walk.csv", { { 50, 100, 0 }, { 70, 100, 0 }, { 90, 100, 0 } }, 50)),
            "0.5"));
    play(3);
    EXPECT_EQ(std::pair(view().srcX, view().srcY), std::pair(0, 25));
    // The trail shown so far: from point 0 to point 1, on the rows of map row 200.
    for (int x : { 100, 120, 139 })
        EXPECT_EQ(
            std::pair(canvasPixel(x, 174), canvasPixel(x, 175)), std::pair(kMagenta, kMagenta))
            << x;
    EXPECT_NE(canvasPixel(99, 175), kMagenta);
    click(IDC_PATH_RUN);

    const std::string route = (tempDir() / "route.csv").string();
    scripted.expectDialog(IDD_CONFIRM, { ScriptedPlatform::click(IDCANCEL) }); // a fresh setup
    startTeaching(
        scaled(setupFile("teach.kvt", background("map.bmp", 600, 400), 0, 0, "", "", ""), "0.5"),
        route, false, 1);
    // The spacing is kept in map pixels: 2 pixels is too close, 4 (2 data units) is not.
    clickAt(200, 100); // map (200, 150): data (100, 125)
    clickAt(202, 100);
    clickAt(204, 100);
    clickAt(300, 100);
    EXPECT_EQ(scripted.messages(), std::vector<std::string> { kTooClose });
    ASSERT_EQ(pathModel().teaching.count, 3);
    click(IDC_PLAY_PAUSE);
    EXPECT_NE(read(route).find("\r\n100.000000,125.000000,"), std::string::npos) << read(route);
    EXPECT_NE(read(route).find("\r\n102.000000,125.000000,"), std::string::npos) << read(route);
    EXPECT_NE(read(route).find("\r\n150.000000,125.000000,"), std::string::npos) << read(route);
}

} // namespace
