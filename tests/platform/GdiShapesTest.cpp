#include "GdiTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using Draw = std::function<bool(TestCanvas &)>;

Draw line(int penWidth, int x0, int y0, int x1, int y1)
{
    return [=](TestCanvas &c) {
        c.tools(penWidth, kBlack);
        c.dc.MoveTo(x0, y0);
        const bool drawn = c.dc.LineTo(x1, y1);
        EXPECT_EQ(c.dc.GetCurrentPosition(), QPoint(x1, y1));
        return drawn;
    };
}

// The canvas is as large as the expected picture. The markers are a point's circle and its
// highlighted disc in a 5x5 box, and a teaching point's ring with a 2-px pen in a 7x7 box.
TEST(GdiShapes, eachPrimitive_paintsExactlyThePinnedPixels)
{
    const std::tuple<const char *, Draw, const char *> cases[] {
        { "line rightwards", line(1, 1, 0, 5, 0), ".####." },
        { "line leftwards", line(1, 5, 0, 1, 0), "..####" },
        { "line downwards", line(1, 0, 1, 0, 5), "./#/#/#/#/." },
        { "line diagonal", line(1, 0, 0, 4, 4), "#..../.#.../..#../...#./....." },
        { "line shallow", line(1, 0, 0, 5, 2), "##..../..##../....#." },
        { "line to its start", line(1, 1, 1, 1, 1), ".../.../..." },
        { "2-px line horizontal", line(2, 1, 2, 5, 2), "....../.####./.####./......" },
        { "very long line", line(1, -100'000'000, 1, 100'000'000, 1), "....../######/......" },
        { "rectangle",
            [](TestCanvas &c) { return c.tools(1, kRed, kAzure), c.dc.Rectangle(1, 1, 6, 5); },
            "......./.rrrrr./.rooor./.rooor./.rrrrr./......." },
        { "rectangle with 2-px pen",
            [](TestCanvas &c) { return c.tools(2, kRed), c.dc.Rectangle(1, 1, 7, 7); },
            "......../.rrrrrr./.rrrrrr./.rr..rr./.rr..rr./.rrrrrr./.rrrrrr./........" },
        { "circle from the top", [](TestCanvas &c) { return c.dc.Arc(1, 1, 6, 6, 3, 1, 3, 1); },
            "......./..###../.#...#./.#...#./.#...#./..###../......." },
        { "disc in another pen",
            [](TestCanvas &c) { return c.tools(1, kAzure, kRed), c.dc.Ellipse(1, 1, 6, 6); },
            "......./..ooo../.orrro./.orrro./.orrro./..ooo../......." },
        { "ring", [](TestCanvas &c) { return c.tools(2, kTeal), c.dc.Arc(1, 1, 8, 8, 1, 4, 1, 4); },
            "........./...ttt.../..ttttt../.tt...tt./.tt...tt./.tt...tt./..ttttt../...ttt.../"
            "........." },
        { "quarter counter-clockwise from right to top",
            [](TestCanvas &c) { return c.dc.Arc(0, 0, 9, 9, 9, 4, 4, 0); },
            "....###../.......#./........#/........#/........./........./........./........./"
            "........." },
    };
    for (const auto &[name, draw, expected] : cases) {
        SCOPED_TRACE(name);
        TestCanvas canvas(sizeOf(expected).width(), sizeOf(expected).height());
        EXPECT_TRUE(draw(canvas));
        EXPECT_EQ(picture(canvas.dc), expected);
    }
}

} // namespace
