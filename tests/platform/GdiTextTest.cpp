#include "GdiTestSupport.h"

#include <QFontInfo>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr COLORREF kDarkGreen = RGB(0, 127, 11);

CFont gothic(int height, int weight)
{
    CFont font;
    font.CreateFont(height, 0, 0, 0, weight, false, false, false, 128, 2, 0, 0, 0, "ＭＳ ゴシック");
    return font;
}

// The bounding box of every pixel that is no longer black.
QRect touched(const CDC &dc)
{
    QRect box;
    for (int y = 0; y < dc.image()->height(); ++y)
        for (int x = 0; x < dc.image()->width(); ++x)
            if (dc.GetPixel(x, y) != kBlack)
                box |= QRect(x, y, 1, 1);
    return box;
}

struct CellCase
{
    const char *name;
    int height;
    int weight;
    const char *text;
    QSize cell;
};

void PrintTo(const CellCase &row, std::ostream *out) { *out << row.name; }

class GdiTextCell : public testing::TestWithParam<CellCase>
{
};

TEST_P(GdiTextCell, isOpaqueAtThePointInTwoColoursOnly)
{
    const CellCase &c = GetParam();
    TestCanvas canvas(60, 24);
    canvas.fill(kBlack);
    CFont font = gothic(c.height, c.weight);
    ASSERT_NE(canvas.dc.SelectObject(&font), nullptr);
    canvas.dc.SetTextColor(kDarkGreen);
    EXPECT_TRUE(canvas.dc.TextOut(3, 2, c.text));

    EXPECT_EQ(touched(canvas.dc), QRect(QPoint(3, 2), c.cell));
    std::set<COLORREF> colours;
    for (int y = 2; y < 2 + c.cell.height(); ++y)
        for (int x = 3; x < 3 + c.cell.width(); ++x)
            colours.insert(canvas.dc.GetPixel(x, y));
    EXPECT_EQ(colours, (std::set<COLORREF> { kDarkGreen, kWhite }));
}

INSTANTIATE_TEST_SUITE_P(Gdi, GdiTextCell,
    testing::Values(CellCase { "smallDigits", 10, 400, "12", { 10, 11 } },
        CellCase { "smallKanji", 10, 400, "相関", { 20, 11 } },
        CellCase { "titleBoldDigit", 14, 700, "1", { 7, 15 } }),
    [](const testing::TestParamInfo<CellCase> &row) { return std::string(row.param.name); });

TEST(GdiText, gothicFaceNames_resolveToIpaGothic)
{
    const CFont font = gothic(10, 400);
    EXPECT_EQ(QFontInfo(*font.font()).family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(font.font()->pixelSize(), 10);
    EXPECT_EQ(gothic(-14, 700).font()->pixelSize(), 14);
    EXPECT_EQ(gothic(-14, 700).font()->weight(), QFont::Bold);
}

TEST(GdiText, backgroundColour_fillsTheCell)
{
    TestCanvas canvas(30, 20);
    canvas.fill(kBlack);
    CFont font = gothic(10, 400);
    canvas.dc.SelectObject(&font);
    EXPECT_EQ(canvas.dc.SetBkColor(kRed), kWhite);
    canvas.dc.TextOut(0, 0, " ");
    EXPECT_EQ(touched(canvas.dc), QRect(0, 0, 5, 11));
    EXPECT_EQ(canvas.dc.GetPixel(2, 5), kRed);
}

TEST(GdiText, defaultFont_drawsInBlackOnWhite)
{
    TestCanvas canvas(30, 20);
    canvas.fill(kBlack);
    canvas.dc.TextOut(1, 1, "8");
    const QRect cell = touched(canvas.dc);
    EXPECT_EQ(cell.topLeft(), QPoint(1, 1));
    EXPECT_GE(cell.height(), 12);
    int ink = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            ink += canvas.dc.GetPixel(x, y) == kBlack ? 1 : 0;
    EXPECT_GT(ink, 5);
}

} // namespace
