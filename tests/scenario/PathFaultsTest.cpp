#include "../support/PathScenario.h"
#include "path/core/PointMapping.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <QLabel>
#include <sstream>

namespace {

using S = ScriptedPlatform;
const std::string kNoDataFile = "データファイルが指定されていません。";
constexpr QRgb kMagenta = 0xFFFF00FF;

class PathFaultsTest : public PathScenario
{
protected:
    // A teaching run over a 600 × 400 map with two points taught, its route going to `route`.
    void teachTwoPoints(const std::string &route, int divisions, int moveTimeMs)
    {
        scripted.answerFileDialog(route);
        scripted.expectDialog(IDD_PATH_SETUP,
            { toggle(IDC_PATH_TEACHING), S::setText(IDC_PATH_DIVISIONS, std::to_string(divisions)),
                S::setText(IDC_PATH_MOVE_TIME, std::to_string(moveTimeMs)), S::click(IDOK) });
        scripted.expectDialog(IDD_CONFIRM, { S::click(IDCANCEL) });
        path().setStartupDirectory(tempDir().string());
        background("bitmap1.bmp", 600, 400);
        click(IDC_PATH_RUN);
        scripted.advance(200);
        clickAt(100, 200);
        clickAt(300, 200);
        scripted.clearMessages();
    }
    int magentaPixels() const
    {
        const QImage c = canvas();
        int n = 0;
        for (int y = 0; y < 350; ++y)
            for (int x = 0; x < 525; ++x)
                n += c.pixel(x, y) == kMagenta ? 1 : 0;
        return n;
    }
    static std::vector<std::string> lines(const std::string &text)
    {
        std::vector<std::string> out;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            out.push_back(line.substr(0, line.find('\r')));
        return out;
    }
};

TEST_F(PathFaultsTest, aValueOkRefused_isNotSavedByTheSaveItOffers_norPlayed)
{
    // The field, its refused text, the setup file line that holds it and the value kept.
    const std::tuple<int, const char *, std::size_t, const char *> rows[] = {
        { IDC_CORR_PLOT_SPEED, "20", 5, "50" },
        { IDC_CORR_X_COLUMN, "0", 2, "1" },
        { IDC_CORR_Y_COLUMN, "-3", 3, "2" },
    };
    const std::string data = writeFile("xy.csv", "x,y\n1,2\n2,3\n3,5\n").string();
    for (const auto &[id, text, line, kept] : rows) {
        SCOPED_TRACE(text);
        const std::string saved = (tempDir() / ("s" + std::to_string(id) + ".kvs")).string();
        scripted.answerFileDialog(data);
        scripted.answerFileDialog(saved);
        scripted.expectDialog(IDD_CORR_SETUP,
            { S::click(IDC_CORR_BROWSE_DATA), S::setText(IDC_CORR_START_ROW, "2"),
                S::setCheck(IDC_CORR_PLOT_SPEED_CHECK, true), S::setText(id, text),
                S::click(IDOK) });
        scripted.expectDialog(IDD_CONFIRM, { S::click(IDOK) });
        click(IDC_CORR_RUN);
        EXPECT_EQ(lines(read(saved)).at(line), kept);
        const CorrSetupValues &v = corr().setup().values;
        EXPECT_EQ(
            std::to_string(std::vector { 0, 0, v.xColumn, v.yColumn, 0, v.plotSpeedMs }[line]),
            kept);
        click(IDC_CORR_RUN); // stop
        corr().setup().done = false;
    }
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
    EXPECT_FALSE(path().running());
    EXPECT_EQ(read(kept), "X,Y\n1,2\n");

    // The teaching save dialog cancelled: OK says that no data file is given.
    scripted.clearMessages();
    scripted.answerFileDialog(kept);
    scripted.answerFileDialog(std::nullopt);
    scripted.expectDialog(IDD_PATH_SETUP,
        { S::click(IDC_PATH_BROWSE_DATA), toggle(IDC_PATH_TEACHING), S::click(IDOK),
            S::click(IDCANCEL) });
    click(IDC_PATH_RUN);
    ASSERT_GE(scripted.messages().size(), 3u);
    EXPECT_EQ(scripted.messages()[2], kNoDataFile);
    EXPECT_FALSE(path().running());
}

TEST_F(PathFaultsTest, closing_asksWhileTaughtPointsAreUnwritten_andTheRouteRecordsOneMillisecond)
{
    const std::string route = (tempDir() / "route.csv").string();
    teachTwoPoints(route, 100, 10);
    ASSERT_EQ(pathModel().teaching.count, 2);
    scripted.expectDialog(IDD_CONFIRM, { S::click(IDCANCEL) });
    click(IDCANCEL);
    EXPECT_FALSE(dlg->IsEnded());
    click(IDC_PLAY_PAUSE); // writes the route: nothing left to lose
    EXPECT_EQ(pb().periodMs, 1);
    const std::string first = lines(read(route)).at(1);
    EXPECT_EQ(first.substr(first.rfind(',') + 1), "1");
    click(IDCANCEL);
    EXPECT_TRUE(dlg->IsEnded());
    EXPECT_EQ(scripted.shownDialogs().size(), 3u); // setup, save question, one close question
}

TEST_F(PathFaultsTest, theCharacter_isNeverDrawnOutsideThePicture)
{
    // Bottom rows shown (450..799); the walk near the view's bottom edge, then two scrolls up.
    const std::string walker = character("w.bmp", { { 16, 31, RGB(200, 0, 0) } });
    startRun(setupFile("m.kvt", background("m.bmp", 600, 800), 0, 0, walker, "",
        dataFile("d.csv", { { 100, 20, 0 }, { 110, 18, 0 }, { 120, 16, 0 } }, 50)));
    const QImage before = canvas();
    play(2);
    click(IDC_PLAY_PAUSE);
    click(IDC_SCROLL_UP);
    click(IDC_SCROLL_UP);
    ticks(3);
    const QImage after = canvas();
    for (int y = 350; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
}

TEST_F(PathFaultsTest, aZoom_reanchorsWithThePointInView_andFarOutDataKeepTheViewOnTheMap)
{
    // Zoom-out presses, map height, origin and the walk: near the top of the zoomed map, or far
    // out of every map (then only the view's bounds are checked).
    struct Row
    {
        int steps, height;
        double origin, x, y;
        bool inView;
    };
    const Row rows[] = { { 1, 1000, 0, 800, 950, true }, { 2, 1600, 0, 800, 1500, true },
        { 1, 400, 0, 800, 20, true }, { 0, 1000, 0, 800, 990, true },
        { 1, 400, 1e308, 0, 5, false }, { 1, 400, 0, 1e300, -1e300, false },
        { 1, 400, -1e308, -1e300, 1e300, false } };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << r.height << " " << r.origin << " " << r.x);
        const std::vector<Point> walk = r.inView
            ? std::vector<Point> { { r.x, r.y, 0 }, { r.x + 10, r.y, 0 }, { r.x + 20, r.y, 0 },
                  { r.x + 30, r.y, 0 } }
            : std::vector<Point> { { r.x, r.y, 0 }, { -r.x, r.y, 0 }, { r.x, -r.y, 0 } };
        startRun(setupFile("z.kvt", background("z.bmp", 900, r.height), r.origin, r.origin, "", "",
            dataFile("z.csv", walk, 50)));
        for (int i = 0; i < r.steps; ++i)
            click(IDC_ZOOM_OUT);
        play(3); // the picture shows what tick 1 drew at tick 2
        EXPECT_TRUE(view().srcX >= 0 && view().srcX <= 900 && view().srcY <= r.height);
        if (r.inView) {
            const MappedPoint p = mapPathPoint(view(), r.x + 10, r.y);
            EXPECT_TRUE(p.px >= 0 && p.px < 525 && p.py >= 0 && p.py < 350) << p.px << "," << p.py;
            EXPECT_GT(magentaPixels(), 0); // tick 1 draws from point 0 to point 1
        }
        click(IDC_PATH_RUN);
    }
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

TEST_F(PathFaultsTest, theAboutBox_showsEveryLineWhole)
{
    scripted.expectDialog(IDD_ABOUTBOX,
        { S::call([](CDialog &d) {
             for (const QLabel *label : d.widget()->findChildren<QLabel *>()) {
                 if (label->text().isEmpty())
                     continue;
                 const QFontMetrics metrics(label->font());
                 EXPECT_GE(label->height(), metrics.height()) << label->text().toStdString();
                 EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text()));
             }
         }),
            S::click(IDOK) });
    dlg->OnHelpInfo();
    EXPECT_TRUE(scripted.scriptsDone());
}

} // namespace
