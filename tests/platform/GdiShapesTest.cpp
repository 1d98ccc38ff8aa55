#include "GdiTestSupport.h"

#include <QPoint>
#include <climits>
#include <gtest/gtest.h>

namespace {

struct LineCase
{
    const char *name;
    int penWidth;
    QPoint from;
    QPoint to;
    std::vector<std::string> expected;
};

void PrintTo(const LineCase &row, std::ostream *out) { *out << row.name; }

class LineTo_leavesOutEndPixel : public testing::TestWithParam<LineCase>
{
};

TEST_P(LineTo_leavesOutEndPixel, paintsExactlyTheseRows)
{
    const LineCase &line = GetParam();
    TestCanvas canvas(6, 6);
    CPen pen(PS_SOLID, line.penWidth, kRed);
    canvas.dc.SelectObject(&pen);
    canvas.dc.MoveTo(line.from.x(), line.from.y());
    EXPECT_TRUE(canvas.dc.LineTo(line.to.x(), line.to.y()));
    EXPECT_EQ(picture(canvas.dc, { { kRed, '#' } }), line.expected);
    EXPECT_EQ(canvas.dc.GetCurrentPosition(), line.to);
}

INSTANTIATE_TEST_SUITE_P(Gdi, LineTo_leavesOutEndPixel,
    testing::Values(LineCase { "rightwards", 1, { 1, 2 }, { 5, 2 },
                        { "......", "......", ".####.", "......", "......", "......" } },
        LineCase { "leftwards", 1, { 5, 2 }, { 1, 2 },
            { "......", "......", "..####", "......", "......", "......" } },
        LineCase { "downwards", 1, { 2, 1 }, { 2, 5 },
            { "......", "..#...", "..#...", "..#...", "..#...", "......" } },
        LineCase { "diagonal", 1, { 0, 0 }, { 4, 4 },
            { "#.....", ".#....", "..#...", "...#..", "......", "......" } },
        LineCase { "shallow", 1, { 0, 0 }, { 5, 2 },
            { "##....", "..##..", "....#.", "......", "......", "......" } },
        LineCase { "samePoint", 1, { 3, 3 }, { 3, 3 },
            { "......", "......", "......", "......", "......", "......" } },
        LineCase { "twoPixelHorizontal", 2, { 1, 3 }, { 5, 3 },
            { "......", "......", ".####.", ".####.", "......", "......" } },
        LineCase { "twoPixelVertical", 2, { 3, 1 }, { 3, 5 },
            { "......", "..##..", "..##..", "..##..", "..##..", "......" } },
        LineCase { "twoPixelLeavingTheTop", 2, { 0, 0 }, { 4, 0 },
            { "####..", "......", "......", "......", "......", "......" } }),
    [](const testing::TestParamInfo<LineCase> &row) { return std::string(row.param.name); });

TEST(GdiLine, closedPolyline_paintsEveryCornerOnce)
{
    TestCanvas canvas(6, 6);
    canvas.dc.MoveTo(1, 1);
    for (const QPoint corner : { QPoint(4, 1), QPoint(4, 4), QPoint(1, 4), QPoint(1, 1) })
        canvas.dc.LineTo(corner);
    EXPECT_EQ(picture(canvas.dc, { { kBlack, '#' } }),
        (std::vector<std::string> { "......", ".####.", ".#..#.", ".#..#.", ".####.", "......" }));
}

TEST(GdiLine, lineFarLongerThanTheSurface_isClippedToIt)
{
    TestCanvas canvas(6, 3);
    canvas.dc.MoveTo(-100'000'000, 1);
    EXPECT_TRUE(canvas.dc.LineTo(100'000'000, 1));
    EXPECT_EQ(picture(canvas.dc, { { kBlack, '#' } }),
        (std::vector<std::string> { "......", "######", "......" }));
}

TEST(GdiRectangle, outlinesWithPenAndFillsWithBrush_insideItsBox)
{
    TestCanvas canvas(7, 6);
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush;
    brush.CreateSolidBrush(kAzure);
    canvas.dc.SelectObject(&pen);
    canvas.dc.SelectObject(&brush);
    EXPECT_TRUE(canvas.dc.Rectangle(1, 1, 6, 5));
    const std::vector<std::string> expected { ".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####.",
        "......." };
    EXPECT_EQ(picture(canvas.dc, { { kRed, '#' }, { kAzure, 'o' } }), expected);

    canvas.fill(kWhite);
    canvas.dc.Rectangle(6, 5, 1, 1);
    EXPECT_EQ(picture(canvas.dc, { { kRed, '#' }, { kAzure, 'o' } }), expected);
}

TEST(GdiRectangle, twoPixelPen_staysInsideTheBox)
{
    TestCanvas canvas(8, 8);
    CPen pen(PS_SOLID, 2, kRed);
    canvas.dc.SelectObject(&pen);
    canvas.dc.Rectangle(1, 1, 7, 7);
    EXPECT_EQ(picture(canvas.dc, { { kRed, '#' } }),
        (std::vector<std::string> { "........", ".######.", ".######.", ".##..##.", ".##..##.",
            ".######.", ".######.", "........" }));
}

// The markers: a point's circle and its highlighted disc in the box (x-2, y-2)-(x+3, y+3),
// and a teaching point's ring with a 2-px pen in (x-3, y-3)-(x+4, y+4).
TEST(GdiMarker, circleOfFiveByFiveBox_isRoundOutline)
{
    TestCanvas canvas(9, 9);
    CPen pen(PS_SOLID, 1, kRed);
    canvas.dc.SelectObject(&pen);
    EXPECT_TRUE(canvas.dc.Arc(2, 2, 7, 7, 4, 2, 4, 2));
    const std::vector<std::string> circle { ".........", ".........", "...###...", "..#...#..",
        "..#...#..", "..#...#..", "...###...", ".........", "........." };
    EXPECT_EQ(picture(canvas.dc, { { kRed, '#' } }), circle);

    canvas.fill(kWhite);
    canvas.dc.Arc(2, 2, 7, 7, 2, 4, 2, 4);
    EXPECT_EQ(picture(canvas.dc, { { kRed, '#' } }), circle);
}

TEST(GdiMarker, discOfFiveByFiveBox_isRoundAndFilled)
{
    TestCanvas canvas(7, 7);
    CPen pen(PS_SOLID, 1, kAzure);
    CBrush brush;
    brush.CreateSolidBrush(kAzure);
    canvas.dc.SelectObject(&pen);
    canvas.dc.SelectObject(&brush);
    EXPECT_TRUE(canvas.dc.Ellipse(1, 1, 6, 6));
    EXPECT_EQ(picture(canvas.dc, { { kAzure, '#' } }),
        (std::vector<std::string> {
            ".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......." }));

    CBrush red;
    red.CreateSolidBrush(kRed);
    canvas.dc.SelectObject(&red);
    canvas.dc.Ellipse(1, 1, 6, 6);
    EXPECT_EQ(picture(canvas.dc, { { kAzure, '#' }, { kRed, 'o' } }),
        (std::vector<std::string> {
            ".......", "..###..", ".#ooo#.", ".#ooo#.", ".#ooo#.", "..###..", "......." }));
}

TEST(GdiMarker, ringOfSevenBySevenBoxWithTwoPixelPen_isRoundRing)
{
    TestCanvas canvas(9, 9);
    CPen pen(PS_SOLID, 2, kTeal);
    canvas.dc.SelectObject(&pen);
    EXPECT_TRUE(canvas.dc.Arc(1, 1, 8, 8, 1, 4, 1, 4));
    EXPECT_EQ(picture(canvas.dc, { { kTeal, '#' } }),
        (std::vector<std::string> { ".........", "...###...", "..#####..", ".##...##.", ".##...##.",
            ".##...##.", "..#####..", "...###...", "........." }));
}

std::vector<std::string> mirroredLeftRight(std::vector<std::string> rows)
{
    for (std::string &row : rows)
        std::reverse(row.begin(), row.end());
    return rows;
}

std::vector<std::string> transposed(const std::vector<std::string> &rows)
{
    std::vector<std::string> columns(rows.front().size(), std::string(rows.size(), ' '));
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            columns[x][y] = rows[y][x];
    return columns;
}

TEST(GdiEllipse, everyBoxSizeAndPen_isSymmetricAndFillsItsBoxEdges)
{
    for (int size = 1; size <= 12; ++size) {
        for (int penWidth = 1; penWidth <= 3; ++penWidth) {
            SCOPED_TRACE(testing::Message() << size << " x " << size << ", pen " << penWidth);
            TestCanvas canvas(size, size);
            CPen pen(PS_SOLID, penWidth, kRed);
            CBrush brush;
            brush.CreateSolidBrush(kAzure);
            canvas.dc.SelectObject(&pen);
            canvas.dc.SelectObject(&brush);
            canvas.dc.Ellipse(0, 0, size, size);
            const auto drawn = picture(canvas.dc, { { kRed, '#' }, { kAzure, 'o' } });
            EXPECT_EQ(mirroredLeftRight(drawn), drawn);
            EXPECT_EQ(std::vector<std::string>(drawn.rbegin(), drawn.rend()), drawn);
            EXPECT_EQ(transposed(drawn), drawn);
            EXPECT_EQ(drawn[static_cast<std::size_t>(size / 2)].front(), '#');
        }
    }
}

TEST(GdiArc, quarterCounterClockwiseFromRightToTop_staysInUpperRightQuarter)
{
    TestCanvas canvas(9, 9);
    canvas.dc.Arc(0, 0, 9, 9, 9, 4, 4, 0);
    int painted = 0;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            if (canvas.dc.GetPixel(x, y) != kBlack)
                continue;
            ++painted;
            EXPECT_GE(x, 4) << "at " << x << "," << y;
            EXPECT_LE(y, 4) << "at " << x << "," << y;
        }
    }
    EXPECT_GE(painted, 5);
}

TEST(GdiShapes, coordinatesBeyondGdiRange_failAndDrawNothing)
{
    TestCanvas canvas(4, 4);
    EXPECT_FALSE(canvas.dc.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    EXPECT_FALSE(canvas.dc.Ellipse(-1, -1, INT_MAX, 3));
    EXPECT_FALSE(canvas.dc.Arc(0, 0, 4, 4, INT_MIN, 0, 0, 0));
    canvas.dc.MoveTo(0, 0);
    EXPECT_FALSE(canvas.dc.LineTo(INT_MAX, INT_MAX));
    EXPECT_FALSE(canvas.dc.TextOut(INT_MIN, 0, "1"));
    EXPECT_EQ(picture(canvas.dc), (std::vector<std::string>(4, "....")));

    CBrush brush;
    brush.CreateSolidBrush(kAzure);
    canvas.dc.SelectObject(&brush);
    EXPECT_TRUE(canvas.dc.Rectangle(-100'000'000, -100'000'000, 100'000'000, 100'000'000));
    EXPECT_EQ(picture(canvas.dc, { { kAzure, 'o' } }), (std::vector<std::string>(4, "oooo")));
}

} // namespace
