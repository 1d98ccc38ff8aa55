#include "GdiTestSupport.h"
#include "platform/GothicFonts.h"

#include <QFile>
#include <QFontInfo>
#include <QRawFont>
#include <gtest/gtest.h>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Glyphs are never antialiased, so an opaque cell holds exactly the text and background colours.
// At 10 and 14 px the gothic is a bitmap strike: cells as tall as the font, 5 or 7 px per
// half-width character.
TEST(GdiText, textOut_paintsAnOpaqueTwoColourCellAtThePoint)
{
    const std::tuple<const char *, int, int, const char *, QSize> cases[] {
        { "small digits", 10, 400, "12", { 10, 10 } },
        { "small kanji", 10, 400, "相関", { 20, 10 } },
        { "bold title digit, negative height", -14, 700, "1", { 7, 14 } },
    };
    for (const auto &[name, height, weight, text, cell] : cases) {
        SCOPED_TRACE(name);
        TestCanvas canvas(60, 24);
        canvas.fill(kBlack);
        CFont font;
        ASSERT_TRUE(createGothic(font, height, weight));
        ASSERT_EQ(canvas.dc.SelectObject(&font), CFont::stock());
        canvas.dc.SetTextColor(kTeal);
        EXPECT_EQ(canvas.dc.SetBkColor(kRed), kWhite);
        EXPECT_TRUE(canvas.dc.TextOut(3, 2, text));

        std::set<COLORREF> inside, outside;
        for (int i = 0; i < 60 * 24; ++i)
            (QRect(QPoint(3, 2), cell).contains(i % 60, i / 60) ? inside : outside)
                .insert(canvas.dc.GetPixel(i % 60, i / 60));
        EXPECT_EQ(inside, (std::set { kTeal, kRed }));
        EXPECT_EQ(outside, std::set { kBlack });
    }
}

// A decimal point in the small read-outs is a square dot on the baseline: two by two pixels,
// nothing above or beside it that would make "165.0" read "165+0".
TEST(GdiText, smallDecimalPoint_isASquareDot)
{
    TestCanvas canvas(5, 10);
    CFont font;
    ASSERT_TRUE(createGothic(font, 10, 400));
    canvas.dc.SelectObject(&font);
    canvas.dc.SetTextColor(kTeal);
    canvas.dc.TextOut(0, 0, ".");
    std::set<std::pair<int, int>> ink;
    for (int i = 0; i < 5 * 10; ++i)
        if (canvas.dc.GetPixel(i % 5, i / 5) == kTeal)
            ink.insert({ i % 5, i / 5 });
    EXPECT_EQ(ink, (std::set<std::pair<int, int>> { { 2, 6 }, { 3, 6 }, { 2, 7 }, { 3, 7 } }));
}

// Each strike is added when its size is first asked for, in whatever order the texts ask.
TEST(GothicFonts, strikesServedOnDemand_eachSizeInAnyOrder)
{
    for (int size : { 16, 12, 14, 10 }) {
        SCOPED_TRACE(size);
        const QFontInfo served(gothicFont(size));
        EXPECT_EQ(served.family(), QStringLiteral("Biwidth"));
        EXPECT_EQ(served.pixelSize(), size);
    }
}

// Sizes without a strike leave the scalable gothic.
TEST(GothicFonts, sizesWithoutStrikes_keepTheScalableGothic)
{
    const auto sizes = loadCrispGothicStrikes({});
    EXPECT_EQ(sizes, (std::vector<int> { 10, 12, 14, 16 }));
    EXPECT_EQ(QFontInfo(gothicFont(11)).family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(QFontInfo(gothicFont(10)).family(), QStringLiteral("Biwidth"));
}

// The strikes compiled in carry, glyph for glyph, what the whole strikes of the font package
// draw for every character of the picture texts and button labels, with the same metrics, and
// stay small enough that a start reads kilobytes. Only the 10 px full stop is redrawn: a square
// dot, where the package's small cross reads as a plus sign between digits.
TEST(GothicFonts, compiledInStrikes_drawTheirCharactersAsTheWholeStrikes)
{
    const auto strikes = gothicStrikeData();
    ASSERT_EQ(strikes.size(), 4u);
    std::size_t bytes = 0;
    QString text = QStringLiteral("相関係数 : ERR X平均値 Y位置 経路図 相関図 教示ポイント変更 "
                                  "位置確認スライダ Tracelet のﾊﾞｰｼﾞｮﾝ情報");
    for (char c = ' '; c <= '~'; ++c)
        text += QLatin1Char(c);
    for (const GothicStrikeData &strike : strikes) {
        SCOPED_TRACE(strike.pixelSize);
        bytes += strike.size;
        const QString whole
            = QStringLiteral("/usr/share/fonts/X11/misc/b%1.pcf.gz").arg(strike.pixelSize);
        if (!QFile::exists(whole))
            GTEST_SKIP() << "no " << whole.toStdString() << " to compare with";
        const QRawFont cut(qUncompress(strike.data, static_cast<qsizetype>(strike.size)),
            strike.pixelSize, QFont::PreferNoHinting);
        const QRawFont full(whole, strike.pixelSize, QFont::PreferNoHinting);
        // Each character's advance (none where the font lacks it) and its pixels.
        const QString kept = strike.pixelSize == 10 ? QString(text).remove(QLatin1Char('.')) : text;
        const auto drawn = [&](const QRawFont &font) {
            std::vector<std::tuple<qreal, QImage>> glyphs;
            for (const quint32 glyph : font.glyphIndexesForString(kept))
                glyphs.emplace_back(glyph ? font.advancesForGlyphIndexes({ glyph })[0].x() : -1,
                    font.alphaMapForGlyph(glyph, QRawFont::PixelAntialiasing));
            return glyphs;
        };
        ASSERT_TRUE(cut.isValid() && full.isValid());
        EXPECT_EQ(std::tuple(cut.familyName(), cut.ascent(), cut.descent()),
            std::tuple(full.familyName(), full.ascent(), full.descent()));
        EXPECT_EQ(drawn(cut), drawn(full));
    }
    EXPECT_LT(bytes, 64u * 1024);
}

} // namespace
