#include "../support/ScenarioFixture.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <cmath>
#include <sstream>

namespace {

using S = ScriptedPlatform;
constexpr COLORREF kWhite = RGB(255, 255, 255), kFrameGreen = RGB(0, 127, 11),
                   kRed = RGB(255, 0, 0), kAzure = RGB(0, 127, 255), kCyan = RGB(0, 255, 255);
const std::string kNoReadout(12, ' ');
const QRect kFrame(117, 25, 300, 300);

class CorrelationRunTest : public ScenarioTest
{
protected:
    std::string csv(const std::vector<std::pair<double, double>> &points)
    {
        std::ostringstream out;
        out << "x,y\n";
        for (auto [x, y] : points)
            out << x << ',' << y << '\n';
        return writeFile("data" + std::to_string(++m_files) + ".csv", out.str()).string();
    }

    // Starts a run from the setup dialog: data file, first row 2, plot speed if given, `steps`.
    void startRun(const std::string &dataFile, int plotSpeed, std::vector<Step> steps = {})
    {
        scripted.answerFileDialog(dataFile);
        steps.insert(steps.begin(),
            { S::click(IDC_CORR_BROWSE_DATA), S::typeText(IDC_CORR_START_ROW, "2") });
        if (plotSpeed > 0)
            steps.insert(steps.end(),
                { S::setCheck(IDC_CORR_PLOT_SPEED_CHECK, true),
                    S::typeText(IDC_CORR_PLOT_SPEED, std::to_string(plotSpeed)) });
        steps.push_back(S::click(1));
        scripted.expectDialog(IDD_CORR_SETUP, steps);
        scripted.expectDialog(IDD_CONFIRM, { S::click(2) });
        click(IDC_CORR_RUN);
    }

    // Whether the canvas shows exactly that read-out (row 0, 1, 2: r, X mean, Y mean).
    bool readout(int row, const std::string &text)
    {
        return canvasShowsText(
            QRect(421, 295 + 10 * row, 104, 10), gs->smallFont, kFrameGreen, text);
    }

    // The pixels of `colour` in a square around a point, row by row: '#' the colour, '.' not.
    std::string pictureAround(int x, int y, COLORREF colour)
    {
        std::string rows;
        for (int dy = -3; dy <= 3; ++dy) {
            for (int dx = -3; dx <= 3; ++dx)
                rows += canvasPixel(x + dx, y + dy) == colour ? '#' : '.';
            rows += '|';
        }
        return rows;
    }

    bool regionHas(QRect region, COLORREF colour)
    {
        for (int y = region.top(); y <= region.bottom(); ++y)
            for (int x = region.left(); x <= region.right(); ++x)
                if (canvasPixel(x, y) == colour)
                    return true;
        return false;
    }

    int pixelX(double x) { return 267 + static_cast<int>(x * corrModel().frame.scaleX); }
    int pixelY(double y) { return 175 - static_cast<int>(y * corrModel().frame.scaleY); }

private:
    int m_files = 0;
};

TEST_F(CorrelationRunTest, allAtOnce_drawsEverything_andAfterStopAndRestartTheFrameIsGreenAgain)
{
    scripted.expectDialog(IDD_CORR_SETUP, { S::click(2) }); // cancel starts nothing
    click(IDC_CORR_RUN);
    EXPECT_FALSE(corr().running() || scripted.hasTimer(dlg.get(), 3));

    startRun(csv({ { 1, 2 }, { 2, 4 }, { 3, 6 } }), 0);
    ASSERT_TRUE(corr().running());
    // Frame lines, one pixel short at their ends.
    for (auto [x, y] : { std::pair { 200, 25 }, { 117, 100 }, { 417, 100 } })
        EXPECT_EQ(canvasPixel(x, y), kFrameGreen) << x << ',' << y;
    EXPECT_EQ(canvasPixel(437, 175), kWhite); // the X axis ends before 437
    // Means 2 and 4, r = 1: the read-outs over all three points.
    EXPECT_TRUE(readout(0, "相関係数 : 1.00 "));
    EXPECT_TRUE(readout(1, "X平均値  : 2.0 "));
    EXPECT_TRUE(readout(2, "Y平均値  : 4.0 "));
    // Points as red circles (outline only), the regression line cyan, mean lines azure.
    EXPECT_EQ(pictureAround(pixelX(3), pixelY(6), kRed), // the last point's ring, crossed by lines
        "..###..|"
        ".#...#.|"
        ".....#.|"
        ".#...#.|"
        "..##...|"
        ".......|"
        ".......|");
    EXPECT_TRUE(regionHas(kFrame, kCyan));
    EXPECT_TRUE(regionHas(kFrame, kAzure));

    click(IDC_CORR_RUN); // stop, then a run of other points with the same r
    scripted.expectDialog(IDD_CONFIRM, { S::click(1) });
    startRun(csv({ { 2, 1 }, { 4, 2 }, { 6, 3 } }), 0);
    ASSERT_TRUE(corr().running());
    EXPECT_EQ(canvasPixel(200, 25), kFrameGreen);
    EXPECT_TRUE(readout(0, "相関係数 : 1.00 "));
    EXPECT_TRUE(readout(1, "X平均値  : 4.0 "));
}

// One run: time read-out, pause and resume, the end, slider mode, play after the end, stop.
TEST_F(CorrelationRunTest, plotSpeed_animatesPointByPoint_toTheEnd_restarts_andStops)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < 20; ++i)
        points.emplace_back(i * 5.0, (i % 3) * 7.0 + i);
    startRun(csv(points), 100);
    ASSERT_TRUE(corr().running());
    EXPECT_EQ(dlg->controls().slider.GetPageSize(), 5); // a small file keeps the default step
    EXPECT_FALSE(regionHas(kFrame, kRed)); // only the frame so far
    EXPECT_TRUE(readout(0, kNoReadout));

    click(IDC_PLAY_PAUSE);
    scripted.advance(100);
    EXPECT_EQ(pb().index(), 1);
    EXPECT_TRUE(readout(0, kNoReadout)); // none after the first point
    scripted.advance(550);
    EXPECT_EQ(pb().index(), 6); // points 0..5 drawn
    EXPECT_FALSE(readout(0, kNoReadout));
    EXPECT_EQ(text(IDC_EDIT_TIME), "0.50"); // timer 3 at 600 ms saw five points plotted

    click(IDC_PLAY_PAUSE); // pause
    scripted.advance(1000);
    EXPECT_EQ(pb().index(), 6);
    click(IDC_PLAY_PAUSE); // resume: the next tick draws point 6
    scripted.advance(100);
    EXPECT_EQ(pb().index(), 7);
    EXPECT_EQ(corrModel().lastPointX, pixelX(30));

    for (int i = 0; i < 100 && pb().playing(); ++i)
        scripted.advance(100);
    EXPECT_EQ(pb().index(), pb().lastIndex());
    // The last point stays highlighted: an azure disc, the earlier ones red circles.
    const int lastX = corrModel().lastPointX, lastY = corrModel().lastPointY;
    EXPECT_EQ(canvasPixel(lastX, lastY), kAzure);

    click(IDC_SLIDER_MODE); // slider mode shows a position's time and refuses play
    dlg->controls().slider.SetPos(11);
    EXPECT_EQ(text(IDC_EDIT_TIME), "1.00");
    click(IDC_PLAY_PAUSE);
    EXPECT_FALSE(pb().playing());
    click(IDC_SLIDER_MODE);

    click(IDC_PLAY_PAUSE); // play after the end starts over on an empty plot layer
    EXPECT_EQ(pb().index(), 0);
    EXPECT_EQ(gs->plotDC.GetPixel(lastX, lastY), kWhite);
    scripted.advance(100);
    EXPECT_EQ(pb().index(), 1);

    click(IDC_CORR_RUN); // stop
    EXPECT_FALSE(
        corr().running() || corr().setup().dataFileGiven || scripted.hasTimer(dlg.get(), 3));
    std::string question, shownRow;
    scripted.expectDialog(IDD_CONFIRM,
        { S::call([&](CDialog &d) { question = d.GetDlgItem(IDC_CONFIRM_TEXT)->GetWindowText(); }),
            S::click(1) });
    scripted.expectDialog(IDD_CORR_SETUP,
        { S::call(
              [&](CDialog &d) { shownRow = d.GetDlgItem(IDC_CORR_START_ROW)->GetWindowText(); }),
            S::click(2) });
    click(IDC_CORR_RUN);
    EXPECT_EQ(question, "前回設定内容が存在します。修正しますか？");
    EXPECT_EQ(shownRow, "2"); // the previous settings, not the defaults
}

// A tick redraws only where it and the tick before drew: playing through shows, point by point,
// the very pictures of a run paused and resumed before every point, which redraws everything.
// The frame is smaller than the data: circles and discs fall outside it too.
TEST_F(CorrelationRunTest, playingThrough_showsThePicturesOfAPictureRedrawnAtEveryPoint)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < 30; ++i)
        points.emplace_back(std::sin(i * 0.7) * 90.0, (i % 5) * 25.0 - 45.0 + i);
    const std::string data = csv(points);
    const std::vector<Step> smallFrame { S::setCheck(IDC_CORR_AUTO_SCALE, false),
        S::typeText(IDC_CORR_X_TOP, "60"), S::typeText(IDC_CORR_X_BOTTOM, "-60"),
        S::typeText(IDC_CORR_Y_TOP, "60"), S::typeText(IDC_CORR_Y_BOTTOM, "-60") };
    startRun(data, 100, smallFrame);
    click(IDC_PLAY_PAUSE);
    std::vector<QImage> playedThrough;
    while (pb().playing()) {
        scripted.advance(100);
        playedThrough.push_back(canvas());
    }
    click(IDC_CORR_RUN);
    scripted.expectDialog(IDD_CONFIRM, { S::click(2) });
    startRun(data, 100, smallFrame);
    click(IDC_PLAY_PAUSE);
    for (std::size_t i = 0; i < playedThrough.size(); ++i) {
        SCOPED_TRACE(i);
        scripted.advance(100);
        ASSERT_EQ(canvas(), playedThrough[i]);
        // (Not before the last point: resumed there, a run starts over.)
        if (pb().index() < pb().lastIndex()) {
            click(IDC_PLAY_PAUSE);
            if (i == 10) { // a point marked with the slider while paused leaves no trace
                click(IDC_SLIDER_MODE);
                dlg->controls().slider.SetPos(3);
                click(IDC_SLIDER_MODE);
            }
            click(IDC_PLAY_PAUSE);
        }
    }
}

// A plot speed between tens of milliseconds plots on time; the time read-out rounds.
TEST_F(CorrelationRunTest, plotSpeedBetweenTens_plotsOnTime)
{
    std::vector<std::pair<double, double>> points(20, { 1, 1 });
    startRun(csv(points), 55);
    click(IDC_PLAY_PAUSE);
    scripted.advance(300);
    EXPECT_EQ(std::pair(pb().index(), text(IDC_EDIT_TIME)), std::pair(5, std::string("0.28")));
    scripted.advance(300);
    EXPECT_EQ(std::pair(pb().index(), text(IDC_EDIT_TIME)), std::pair(10, std::string("0.55")));
    click(IDC_CORR_RUN); // stop; a new run starts with an empty time read-out
    scripted.expectDialog(IDD_CONFIRM, { S::click(2) });
    startRun(csv(points), 55);
    EXPECT_EQ(text(IDC_EDIT_TIME), "");
}

TEST_F(CorrelationRunTest, oneRow_playsTheOnePointAndStopsWithEmptyReadouts)
{
    startRun(csv({ { 4, 4 } }), 100);
    click(IDC_PLAY_PAUSE);
    scripted.advance(100);
    EXPECT_EQ(pb().index(), 0);
    EXPECT_TRUE(readout(0, kNoReadout));
    // On the plot layer: on the canvas the disc here sits on the frame line.
    EXPECT_EQ(gs->plotDC.GetPixel(corrModel().lastPointX, corrModel().lastPointY), kAzure);
}

TEST_F(CorrelationRunTest, sliderMarker_restoresARedCircleExactly_andStartsAfreshAfterModeSwitch)
{
    startRun(csv({ { 10, 10 }, { 50, 40 }, { 90, 20 } }), 0);
    const QImage before = canvas();
    click(IDC_SLIDER_MODE);
    dlg->controls().slider.SetPos(2);
    // The marker is on the plot layer; on the canvas the X mean line crosses it.
    EXPECT_EQ(gs->plotDC.GetPixel(corrModel().sliderMarkerX, corrModel().sliderMarkerY), kCyan);
    EXPECT_EQ(text(IDC_EDIT_X) + " " + text(IDC_EDIT_Y), "50.00 40.00");
    EXPECT_EQ(text(IDC_EDIT_TIME), ""); // no plot speed: no time position
    EXPECT_EQ(text(IDC_SLIDER_ROW), "3行目"); // the file line, after the heading
    dlg->controls().slider.SetPos(3);
    const QRect around(pixelX(50) - 10, pixelY(40) - 10, 20, 20);
    EXPECT_EQ(canvas().copy(around), before.copy(around)); // point 2's circle is back exactly

    click(IDC_SLIDER_MODE); // off and on again: the first marker restores nothing
    EXPECT_EQ(text(IDC_SLIDER_ROW), "");
    click(IDC_SLIDER_MODE);
    dlg->controls().slider.SetPos(1);
    EXPECT_EQ(gs->plotDC.GetPixel(corrModel().sliderMarkerX, corrModel().sliderMarkerY), kCyan);
}

TEST_F(CorrelationRunTest, columnBeyondTheFieldTable_andZeroRangeManualFrame_drawSafely)
{
    startRun(csv({ { 1, 2 }, { 2, 5 }, { 3, 4 } }), 0,
        { S::typeText(IDC_CORR_X_COLUMN, "2000"), S::setCheck(IDC_CORR_AUTO_SCALE, false),
            S::typeText(IDC_CORR_X_TOP, "5.5"), S::typeText(IDC_CORR_X_BOTTOM, "5.2") });
    ASSERT_TRUE(corr().running());
    EXPECT_EQ(corrModel().frame.scaleX, 1.0); // top and bottom both cut to 5: a usable scale
    // Every X reads 0.0: no spread in X, so no coefficient.
    EXPECT_TRUE(readout(0, "相関係数 : ERR  "));
}

// A bad data file is told once; the empty frame shows, the good run's read-outs are gone.
TEST_F(CorrelationRunTest, dataFilesWithoutRows_tellTheCause_andPlayAndSliderRefuse)
{
    startRun(csv({ { 10, 10 }, { 50, 50 }, { 90, 20 } }), 0);
    click(IDC_SLIDER_MODE);
    dlg->controls().slider.SetPos(2);
    ASSERT_EQ(text(IDC_EDIT_X), "50.00");
    EXPECT_TRUE(scripted.messages().empty()); // a clean file says nothing

    const std::string missing = (tempDir() / "missing.csv").string();
    const std::string empty = writeFile("empty.csv", "").string();
    // file, message
    const std::pair<std::string, std::string> cases[] = {
        { missing, "データファイルを開けません (ファイルが見つかりません)。\n" + missing },
        { empty, "データファイルにデータ行がありません (ファイルが空です)。\n" + empty },
    };
    for (const auto &[file, message] : cases) {
        SCOPED_TRACE(file);
        click(IDC_CORR_RUN); // stop the run before
        scripted.clearMessages();
        scripted.expectDialog(IDD_CONFIRM, { S::click(2) }); // not the previous settings
        startRun(file, 100);
        ASSERT_TRUE(corr().running());
        EXPECT_EQ(scripted.messages(), std::vector<std::string> { message });
        EXPECT_EQ(text(IDC_EDIT_X) + text(IDC_EDIT_Y) + text(IDC_EDIT_TIME), "");
        EXPECT_TRUE(regionHas(QRect(117, 25, 1, 300), kFrameGreen)); // the empty frame
        EXPECT_FALSE(regionHas(kFrame, kRed));

        click(IDC_SLIDER_MODE); // no point to mark
        dlg->controls().slider.SetPos(1);
        EXPECT_EQ(text(IDC_EDIT_X), "");
        EXPECT_EQ(gs->plotDC.GetPixel(267, 175), kWhite);
        click(IDC_PLAY_PAUSE);
        EXPECT_EQ(scripted.activeTicks(), 0u);
    }
}

// Lines without numbers are left out of the picture and told, once per run.
TEST_F(CorrelationRunTest, headingAndTotalLeftOut_andMissingColumn_areToldOncePerRun)
{
    const std::string file
        = writeFile("heights.csv", "height,weight\n172,54\n162,55\n\n181,71\nTotal,180\n").string();
    startRun(file, 0, { S::typeText(IDC_CORR_START_ROW, "1") });
    EXPECT_EQ(pb().lastIndex(), 2); // neither the heading nor the total is a point
    EXPECT_FALSE(regionHas(QRect(262, 170, 10, 10), kRed)); // nothing at (0, 0)
    EXPECT_EQ(scripted.messages(),
        std::vector<std::string> { "データファイルから 3 行を読みました。\n" + file
            + "\n空行 1 行を読み飛ばしました (4 行目)。\n"
              "数値のない行 2 行をデータから除きました (1, 6 行目)。" });

    click(IDC_CORR_RUN);
    scripted.clearMessages();
    scripted.expectDialog(IDD_CONFIRM, { S::click(2) });
    startRun(file, 0, { S::typeText(IDC_CORR_Y_COLUMN, "3") });
    ASSERT_EQ(scripted.messages().size(), 1u);
    EXPECT_NE(scripted.messages()[0].find("Y (3 列目): この列がない行が 3 行 (最初は 2 行目)"),
        std::string::npos);
    EXPECT_EQ(scripted.messages()[0].find("見出し"), std::string::npos);
}

// Unticking automatic scale when reopened gives the default frame, not a zero range.
TEST_F(CorrelationRunTest, setupReopenedAfterAutomaticScale_offersTheDefaultFrame)
{
    startRun(csv({ { 10, 10 }, { 50, 50 }, { 90, 20 } }), 0);
    click(IDC_CORR_RUN);
    std::vector<std::string> frame;
    scripted.expectDialog(IDD_CONFIRM, { S::click(1) }); // edit the previous settings
    scripted.expectDialog(IDD_CORR_SETUP,
        { S::call([&](CDialog &d) {
             for (int id : { IDC_CORR_X_TOP, IDC_CORR_X_BOTTOM, IDC_CORR_Y_TOP, IDC_CORR_Y_BOTTOM })
                 frame.push_back(d.GetDlgItem(id)->GetWindowText());
         }),
            S::setCheck(IDC_CORR_AUTO_SCALE, false), S::click(1) });
    scripted.expectDialog(IDD_CONFIRM, { S::click(2) });
    click(IDC_CORR_RUN);
    EXPECT_EQ(frame, (std::vector<std::string> { "100.0", "-100.0", "100.0", "-100.0" }));
    EXPECT_TRUE(regionHas(QRect(pixelX(90) - 2, pixelY(20) - 2, 5, 5), kRed));
}

} // namespace
