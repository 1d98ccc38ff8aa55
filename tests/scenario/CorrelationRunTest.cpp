#include "../support/ScenarioFixture.h"
#include "res/ResourceIds.h"

#include <QSlider>
#include <sstream>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFrameGreen = RGB(0, 127, 11);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kAzure = RGB(0, 127, 255);
constexpr COLORREF kCyan = RGB(0, 255, 255);

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

    // Presses the correlation button and fills the setup dialog as a person would: the data
    // file through "...", the first row 2, a plot speed when given; the save question is declined.
    void startRun(const std::string &dataFile, int plotSpeed)
    {
        scripted.answerFileDialog(dataFile);
        std::vector<Step> steps { ScriptedPlatform::click(1000),
            ScriptedPlatform::setText(1040, "2") };
        if (plotSpeed > 0) {
            steps.push_back(ScriptedPlatform::setCheck(1038, true));
            steps.push_back(ScriptedPlatform::setText(1039, std::to_string(plotSpeed)));
        }
        steps.push_back(ScriptedPlatform::click(1));
        scripted.expectDialog(IDD_CORR_SETUP, steps);
        scripted.expectDialog(IDD_CONFIRM, { ScriptedPlatform::click(2) });
        click(1005);
    }

    // The read-outs' text drawn the way the overlay draws it, for comparing pixels.
    QImage referenceText(const std::string &text)
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBitmap bitmap;
        bitmap.CreateFromImage(QImage(120, 12, QImage::Format_RGB32));
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(QRect(0, 0, 120, 12), kWhite);
        dc.SelectObject(&gs->smallFont);
        dc.SetTextColor(kFrameGreen);
        dc.TextOut(0, 0, text);
        return dc.image()->copy();
    }

    // Whether the canvas shows exactly that text cell at (x, y).
    bool canvasShowsText(int x, int y, const std::string &text)
    {
        // Ten rows: the next read-out's cell covers the eleventh.
        const int width = std::min(120, 525 - x);
        return canvas().copy(x, y, width, 10) == referenceText(text).copy(0, 0, width, 10);
    }

    bool regionHas(QRect region, COLORREF colour)
    {
        for (int y = region.top(); y <= region.bottom(); ++y)
            for (int x = region.left(); x <= region.right(); ++x)
                if (canvasPixel(x, y) == colour)
                    return true;
        return false;
    }

    // Plays until the animation stops by itself.
    void playToEnd()
    {
        for (int i = 0; i < 100000 && rs->playing; ++i)
            scripted.advance(rs->plotPeriodMs);
    }

private:
    int m_files = 0;
};

TEST_F(CorrelationRunTest, firstPress_opensTheSetupWithItsDefaults_andCancelStartsNothing)
{
    std::map<int, std::string> shown;
    int autoScale = -1, plotSpeed = -1;
    scripted.expectDialog(IDD_CORR_SETUP,
        { ScriptedPlatform::call([&](CDialog &d) {
             for (int id : { 1034, 1035, 1040, 1039, 1042, 1043, 1044, 1045 })
                 shown[id] = d.GetDlgItem(id)->GetWindowText();
             CButton b;
             b.Attach(d.controlWidget(1041));
             autoScale = b.GetCheck();
             b.Attach(d.controlWidget(1038));
             plotSpeed = b.GetCheck();
         }),
            ScriptedPlatform::click(2) });
    click(1005);
    const std::map<int, std::string> expected { { 1034, "1" }, { 1035, "2" }, { 1040, "1" },
        { 1039, "50" }, { 1042, "100.0" }, { 1043, "-100.0" }, { 1044, "100.0" },
        { 1045, "-100.0" } };
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(autoScale, 1);
    EXPECT_EQ(plotSpeed, 0);
    EXPECT_FALSE(rs->corrRunning);
    EXPECT_FALSE(scripted.hasTimer(dlg.get(), 3));
}

TEST_F(CorrelationRunTest, allAtOnce_drawsFramePointsLinesAndReadoutsOverAllPoints)
{
    startRun(csv({ { 1, 2 }, { 2, 4 }, { 3, 6 } }), 0);
    ASSERT_TRUE(rs->corrRunning);
    EXPECT_TRUE(scripted.hasTimer(dlg.get(), 3));
    // Frame lines, one pixel short at their ends.
    EXPECT_EQ(canvasPixel(200, 25), kFrameGreen);
    EXPECT_EQ(canvasPixel(117, 100), kFrameGreen);
    EXPECT_EQ(canvasPixel(417, 100), kFrameGreen);
    EXPECT_EQ(canvasPixel(437, 175), kWhite); // the X axis ends before 437
    // Means 2 and 4, r = 1: the read-outs over all three points.
    EXPECT_TRUE(canvasShowsText(421, 295, "相関係数 : 1.00 "));
    EXPECT_TRUE(canvasShowsText(421, 305, "X平均値  : 2.0 "));
    EXPECT_TRUE(canvasShowsText(421, 315, "Y平均値  : 4.0 "));
    // Points as red circles (outline only), the regression line cyan, mean lines azure.
    const int px = 267 + static_cast<int>(3 * rs->corrScaleX),
              py = 175 - static_cast<int>(6 * rs->corrScaleY);
    EXPECT_TRUE(regionHas(QRect(px - 2, py - 2, 5, 5), kRed));
    EXPECT_TRUE(regionHas(QRect(117, 25, 300, 300), kCyan));
    EXPECT_TRUE(regionHas(QRect(117, 25, 300, 300), kAzure));
    EXPECT_EQ(rs->plotIndex, 0);
    EXPECT_TRUE(rs->dataReady);
}

TEST_F(CorrelationRunTest, plotSpeed_animatesPointByPoint_withoutRepeatingOrSkippingAcrossAPause)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < 10; ++i)
        points.emplace_back(i * 5.0, (i % 3) * 7.0 + i);
    startRun(csv(points), 100);
    ASSERT_TRUE(rs->corrRunning);
    EXPECT_EQ(rs->plotPeriodMs, 100);
    EXPECT_FALSE(regionHas(QRect(117, 25, 300, 300), kRed)); // only the frame so far
    EXPECT_TRUE(canvasShowsText(421, 295, "            ")); // read-outs empty

    click(1008);
    ASSERT_TRUE(rs->playing);
    scripted.advance(100);
    EXPECT_EQ(rs->plotIndex, 1);
    EXPECT_TRUE(canvasShowsText(421, 295, "            ")); // no read-outs after the first point
    scripted.advance(500);
    EXPECT_EQ(rs->plotIndex, 6); // points 0..5 drawn
    EXPECT_FALSE(canvasShowsText(421, 295, "            "));

    click(1008); // pause
    EXPECT_FALSE(rs->playing);
    scripted.advance(1000);
    EXPECT_EQ(rs->plotIndex, 6);
    click(1008); // resume: the next tick draws point 6
    scripted.advance(100);
    EXPECT_EQ(rs->plotIndex, 7);
    EXPECT_EQ(rs->lastPointX, 267 + static_cast<int>(30 * rs->corrScaleX));

    playToEnd();
    EXPECT_EQ(rs->plotIndex, rs->lastIndex);
    EXPECT_EQ(scripted.activeTicks(), 0u);
    // The last point stays highlighted: an azure disc, the earlier ones red circles.
    EXPECT_EQ(canvasPixel(rs->lastPointX, rs->lastPointY), kAzure);
}

TEST_F(CorrelationRunTest, playAfterTheEnd_restartsOnAnEmptyPlotLayer)
{
    startRun(csv({ { 10, 10 }, { 20, 30 }, { 30, 20 } }), 50);
    click(1008);
    playToEnd();
    const int lastX = rs->lastPointX, lastY = rs->lastPointY;
    click(1008);
    EXPECT_EQ(rs->plotIndex, 0);
    EXPECT_EQ(gs->plotDC.GetPixel(lastX, lastY), kWhite);
    scripted.advance(50);
    EXPECT_EQ(rs->plotIndex, 1);
}

TEST_F(CorrelationRunTest, timeReadout_countsPlottedPointsInTwoDecimals)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < 20; ++i)
        points.emplace_back(i, i * i);
    startRun(csv(points), 100);
    click(1008);
    scripted.advance(650);
    const std::string shown = text(1044);
    EXPECT_EQ(shown, "0.50"); // timer 3 at 600 ms saw five points plotted
}

TEST_F(CorrelationRunTest, oneRow_playsTheOnePointAndStopsWithEmptyReadouts)
{
    startRun(csv({ { 4, 4 } }), 100);
    click(1008);
    scripted.advance(100);
    EXPECT_FALSE(rs->playing);
    EXPECT_EQ(rs->plotIndex, 0);
    EXPECT_TRUE(canvasShowsText(421, 295, "            "));
    // On the plot layer: on the canvas the disc here sits on the frame line.
    EXPECT_EQ(gs->plotDC.GetPixel(rs->lastPointX, rs->lastPointY), kAzure);
}

TEST_F(CorrelationRunTest, equalXValues_showTheErrorReadout)
{
    startRun(csv({ { 5, 1 }, { 5, 9 } }), 0);
    EXPECT_TRUE(canvasShowsText(421, 295, "相関係数 : ERR  "));
}

TEST_F(CorrelationRunTest, sliderMarker_restoresARedCircleExactly_andStartsAfreshAfterModeSwitch)
{
    startRun(csv({ { 10, 10 }, { 50, 50 }, { 90, 20 } }), 0);
    const QImage before = canvas();
    click(1007);
    ASSERT_TRUE(rs->sliderMode);
    dlg->slider().SetPos(2);
    // The marker is on the plot layer; on the canvas the X mean line crosses it.
    EXPECT_EQ(gs->plotDC.GetPixel(rs->sliderMarkerX, rs->sliderMarkerY), kCyan);
    EXPECT_EQ(text(1016), "50.00");
    EXPECT_EQ(text(1017), "50.00");
    EXPECT_EQ(text(1044), ""); // no plot speed: no time position
    dlg->slider().SetPos(3);
    // The circle of point 2 is back exactly as it was.
    const int x = 267 + static_cast<int>(50 * rs->corrScaleX),
              y = 175 - static_cast<int>(50 * rs->corrScaleY);
    EXPECT_EQ(canvas().copy(x - 10, y - 10, 20, 20), before.copy(x - 10, y - 10, 20, 20));

    click(1007); // off: the last marker stays
    EXPECT_FALSE(rs->sliderMode);
    click(1007); // on again: the first marker restores nothing
    EXPECT_TRUE(rs->sliderFirstMarker);
    dlg->slider().SetPos(1);
    EXPECT_FALSE(rs->sliderFirstMarker);
    EXPECT_EQ(gs->plotDC.GetPixel(rs->sliderMarkerX, rs->sliderMarkerY), kCyan);
}

TEST_F(CorrelationRunTest, sliderWithPlotSpeed_showsTheTimePosition_andBlocksPlay)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < 20; ++i)
        points.emplace_back(i, 2 * i);
    startRun(csv(points), 100);
    click(1007);
    dlg->slider().SetPos(11);
    EXPECT_EQ(text(1044), "1.00");
    click(1008);
    EXPECT_FALSE(rs->playing);
}

TEST_F(CorrelationRunTest, manyRows_setTheSliderRangeAndPageSize)
{
    startRun((samplesDir() / "correlation_2500.csv").string(), 0);
    EXPECT_EQ(dlg->slider().GetRangeMax(), 2500);
    EXPECT_EQ(dlg->slider().GetPageSize(), 25);
}

TEST_F(CorrelationRunTest, stop_endsTheRunAndTheNextPressOffersThePreviousSettings)
{
    startRun(csv({ { 1, 1 }, { 2, 3 } }), 100);
    click(1008);
    scripted.advance(100);
    click(1005); // stop
    EXPECT_FALSE(rs->corrRunning);
    EXPECT_FALSE(rs->playing);
    EXPECT_EQ(scripted.activeTicks(), 0u);
    EXPECT_FALSE(scripted.hasTimer(dlg.get(), 3));
    EXPECT_EQ(scripted.sleptMs(), 500);
    EXPECT_FALSE(rs->dataFileGiven);
    EXPECT_TRUE(rs->corrSetupDone);

    std::string question;
    std::string shownRow;
    scripted.expectDialog(IDD_CONFIRM,
        { ScriptedPlatform::call(
              [&](CDialog &d) { question = d.GetDlgItem(1034)->GetWindowText(); }),
            ScriptedPlatform::click(1) });
    scripted.expectDialog(IDD_CORR_SETUP,
        { ScriptedPlatform::call(
              [&](CDialog &d) { shownRow = d.GetDlgItem(1040)->GetWindowText(); }),
            ScriptedPlatform::click(2) });
    click(1005);
    EXPECT_EQ(question, "前回設定内容が存在します。修正しますか？");
    EXPECT_EQ(shownRow, "2"); // the previous settings, not the defaults
}

TEST_F(CorrelationRunTest, afterStopAndRestart_theFrameIsDarkGreenAgain)
{
    startRun(csv({ { 1, 1 }, { 2, 3 }, { 3, 2 } }), 0);
    click(1005);
    scripted.expectDialog(IDD_CONFIRM, { ScriptedPlatform::click(1) });
    scripted.expectDialog(
        IDD_CORR_SETUP, { ScriptedPlatform::click(1000), ScriptedPlatform::click(1) });
    scripted.answerFileDialog(csv({ { 1, 1 }, { 2, 3 }, { 3, 2 } }));
    scripted.expectDialog(IDD_CONFIRM, { ScriptedPlatform::click(2) });
    click(1005);
    ASSERT_TRUE(rs->corrRunning);
    EXPECT_EQ(canvasPixel(200, 25), kFrameGreen);
}

TEST_F(CorrelationRunTest, columnBeyondTheFieldTable_andZeroRangeManualFrame_drawSafely)
{
    scripted.answerFileDialog(csv({ { 1, 2 }, { 2, 5 }, { 3, 4 } }));
    scripted.expectDialog(IDD_CORR_SETUP,
        { ScriptedPlatform::click(1000), ScriptedPlatform::setText(1040, "2"),
            ScriptedPlatform::setText(1034, "2000"), ScriptedPlatform::setCheck(1041, false),
            ScriptedPlatform::setText(1042, "5.5"), ScriptedPlatform::setText(1043, "5.2"),
            ScriptedPlatform::click(1) });
    scripted.expectDialog(IDD_CONFIRM, { ScriptedPlatform::click(2) });
    click(1005);
    ASSERT_TRUE(rs->corrRunning);
    EXPECT_EQ(rs->corrScaleX, 1.0); // top and bottom both cut to 5: a usable scale
    EXPECT_TRUE(canvasShowsText(421, 295, "相関係数 : ERR  ")); // every X reads 0.0
}

TEST_F(CorrelationRunTest, fileWithoutDataRows_showsTheEmptyFrame_andPlayDoesNothing)
{
    startRun(writeFile("empty.csv", "x,y\n").string(), 100);
    ASSERT_TRUE(rs->corrRunning);
    EXPECT_FALSE(rs->dataReady);
    click(1008);
    EXPECT_FALSE(rs->playing);
    EXPECT_EQ(scripted.activeTicks(), 0u);
}

} // namespace
