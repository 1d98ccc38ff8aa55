#include "GdiTestSupport.h"

#include <QFontInfo>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace {

// Glyphs are never antialiased, so an opaque cell holds exactly the text and background colours.
TEST(GdiText, textOut_paintsAnOpaqueTwoColourCellAtThePoint)
{
    const std::tuple<const char *, int, int, const char *, QSize> cases[] {
        { "small digits", 10, 400, "12", { 10, 11 } },
        { "small kanji", 10, 400, "相関", { 20, 11 } },
        { "bold title digit, negative height", -14, 700, "1", { 7, 15 } },
    };
    for (const auto &[name, height, weight, text, cell] : cases) {
        SCOPED_TRACE(name);
        TestCanvas canvas(60, 24);
        canvas.fill(kBlack);
        CFont font;
        ASSERT_TRUE(createGothic(font, height, weight));
        EXPECT_EQ(QFontInfo(*font.font()).family(), QStringLiteral("IPAGothic"));
        ASSERT_EQ(canvas.dc.SelectObject(&font), CFont::stock());
        canvas.dc.SetTextColor(kTeal);
        EXPECT_EQ(canvas.dc.SetBkColor(kRed), kWhite);
        EXPECT_TRUE(canvas.dc.TextOut(3, 2, text));

        std::set<COLORREF> colours;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 60; ++x) {
                if (QRect(QPoint(3, 2), cell).contains(x, y))
                    colours.insert(canvas.dc.GetPixel(x, y));
                else
                    ASSERT_EQ(canvas.dc.GetPixel(x, y), kBlack) << x << "," << y;
            }
        }
        EXPECT_EQ(colours, (std::set<COLORREF> { kTeal, kRed }));
    }
}

} // namespace
