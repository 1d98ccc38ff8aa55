#include "GdiTestSupport.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

QRgb rawPixel(const CDC &dc, int x, int y) { return dc.image()->pixel(x, y); }

struct RopCase
{
    const char *name;
    RasterOp rop;
    QRgb combined; // of FF00FF00 under FF0F0FF0
    COLORREF outsideSource; // what a black pixel becomes where the source is outside
};

void PrintTo(const RopCase &row, std::ostream *out) { *out << row.name; }

class GdiRasterOp : public testing::TestWithParam<RopCase>
{
};

TEST_P(GdiRasterOp, combinesBitwiseAndKeepsAlpha)
{
    TestCanvas target(2, 2);
    TestCanvas source(2, 2);
    target.fill(RGB(0x00, 0xFF, 0x00)); // FF00FF00
    source.fill(RGB(0x0F, 0x0F, 0xF0)); // FF0F0FF0
    ASSERT_EQ(rawPixel(target.dc, 0, 0), 0xFF00FF00u);
    EXPECT_TRUE(target.dc.BitBlt(0, 0, 2, 2, &source.dc, 0, 0, GetParam().rop));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(rawPixel(target.dc, x, y), GetParam().combined);
}

TEST_P(GdiRasterOp, sourceOutsideItsSurface_readsAsWhite)
{
    TestCanvas target(20, 20);
    TestCanvas source(10, 10);
    target.fill(kBlack);
    source.fill(kRed);
    EXPECT_TRUE(target.dc.BitBlt(0, 0, 20, 20, &source.dc, -5, -5, GetParam().rop));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool fromSource = x >= 5 && x < 15 && y >= 5 && y < 15;
            const COLORREF expected = !fromSource ? GetParam().outsideSource
                : GetParam().rop == SRCAND        ? kBlack
                                                  : kRed;
            ASSERT_EQ(target.dc.GetPixel(x, y), expected) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Gdi, GdiRasterOp,
    testing::Values(RopCase { "SrcCopy", SRCCOPY, 0xFF0F0FF0u, kWhite },
        RopCase { "SrcAnd", SRCAND, 0xFF000F00u, kBlack },
        RopCase { "SrcPaint", SRCPAINT, 0xFF0FFFF0u, kWhite }),
    [](const testing::TestParamInfo<RopCase> &row) { return std::string(row.param.name); });

TEST(GdiBitBlt, targetPartlyOutside_copiesOnlyTheOverlap)
{
    TestCanvas target(10, 10);
    TestCanvas source(10, 10);
    source.fill(kRed);
    EXPECT_TRUE(target.dc.BitBlt(-5, 7, 10, 10, &source.dc, 0, 0, SRCCOPY));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(target.dc.GetPixel(x, y), x < 5 && y >= 7 ? kRed : kWhite) << x << "," << y;
}

TEST(GdiBitBlt, withinOneSurfaceOverlapping_copiesTheOriginalPixels)
{
    TestCanvas canvas(6, 1);
    for (int x = 0; x < 6; ++x)
        canvas.dc.FillSolidRect(QRect(x, 0, 1, 1), RGB(x * 40, 0, 0));
    EXPECT_TRUE(canvas.dc.BitBlt(1, 0, 5, 1, &canvas.dc, 0, 0, SRCCOPY));
    for (int x = 1; x < 6; ++x)
        EXPECT_EQ(canvas.dc.GetPixel(x, 0), RGB((x - 1) * 40, 0, 0));
}

TEST(GdiBitBlt, sourceWithoutBitmapReadsWhite_missingSourceFails)
{
    TestCanvas target(3, 3);
    target.fill(kBlack);
    CDC empty;
    empty.CreateCompatibleDC(nullptr);
    EXPECT_TRUE(target.dc.BitBlt(0, 0, 3, 3, &empty, 0, 0, SRCCOPY));
    EXPECT_EQ(picture(target.dc), (std::vector<std::string>(3, "...")));
    target.fill(kBlack);
    EXPECT_FALSE(target.dc.BitBlt(0, 0, 3, 3, nullptr, 0, 0, SRCCOPY));
    EXPECT_EQ(target.dc.GetPixel(1, 1), kBlack);
}

TEST(GdiStretchBlt, fourToOneShrink_keepsOnePixelBlackLines)
{
    TestCanvas source(40, 40);
    source.dc.MoveTo(13, 0);
    source.dc.LineTo(13, 40);
    source.dc.MoveTo(0, 22);
    source.dc.LineTo(40, 22);
    TestCanvas target(10, 10);
    EXPECT_TRUE(target.dc.StretchBlt(0, 0, 10, 10, &source.dc, 0, 0, 40, 40, SRCCOPY));
    EXPECT_EQ(picture(target.dc, { { kBlack, '#' } }),
        (std::vector<std::string> { "...#......", "...#......", "...#......", "...#......",
            "...#......", "##########", "...#......", "...#......", "...#......", "...#......" }));
}

TEST(GdiStretchBlt, shrinkingDifferentColours_andsThemTogether)
{
    TestCanvas source(2, 1);
    source.dc.FillSolidRect(QRect(0, 0, 1, 1), RGB(255, 0, 255));
    source.dc.FillSolidRect(QRect(1, 0, 1, 1), RGB(255, 255, 0));
    TestCanvas target(1, 1);
    target.dc.StretchBlt(0, 0, 1, 1, &source.dc, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(target.dc.GetPixel(0, 0), RGB(255, 0, 0));
}

TEST(GdiStretchBlt, enlarging_replicatesEachPixel)
{
    TestCanvas source(2, 2);
    source.dc.FillSolidRect(QRect(0, 0, 1, 1), kRed);
    source.dc.FillSolidRect(QRect(1, 1, 1, 1), kAzure);
    TestCanvas target(5, 5);
    EXPECT_TRUE(target.dc.StretchBlt(0, 0, 4, 4, &source.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(picture(target.dc, { { kRed, 'r' }, { kAzure, 'a' } }),
        (std::vector<std::string> { "rr...", "rr...", "..aa.", "..aa.", "....." }));
}

TEST(GdiStretchBlt, sourcePartlyOutside_readsWhiteThere)
{
    TestCanvas source(4, 4);
    source.fill(kRed);
    TestCanvas target(4, 4);
    target.fill(kBlack);
    target.dc.StretchBlt(0, 0, 4, 4, &source.dc, 2, 0, 4, 8, SRCCOPY);
    EXPECT_EQ(picture(target.dc, { { kRed, 'r' } }),
        (std::vector<std::string> { "rr..", "rr..", "....", "...." }));
}

// A 24-bit DIB built the way a character file holds it.
struct Dib
{
    Dib(int width, int height, bool bottomUp, const std::function<COLORREF(int, int)> &colourAt)
    {
        header.biWidth = width;
        header.biHeight = bottomUp ? height : -height;
        const int stride = (width * 3 + 3) / 4 * 4;
        bytes.assign(static_cast<std::size_t>(stride * height), 0xCD);
        for (int y = 0; y < height; ++y) {
            const int memoryRow = bottomUp ? height - 1 - y : y;
            for (int x = 0; x < width; ++x) {
                const COLORREF c = colourAt(x, y);
                auto *p = &bytes[static_cast<std::size_t>(memoryRow * stride + x * 3)];
                p[0] = static_cast<std::uint8_t>(GetBValue(c));
                p[1] = static_cast<std::uint8_t>(GetGValue(c));
                p[2] = static_cast<std::uint8_t>(GetRValue(c));
            }
        }
    }
    int draw(CDC &dc, QRect target, QRect source, RasterOp rop) const
    {
        return dc.StretchDIBits(target.x(), target.y(), target.width(), target.height(), source.x(),
            source.y(), source.width(), source.height(), bytes.data(), &header, DIB_RGB_COLORS,
            rop);
    }

    BITMAPINFOHEADER header;
    std::vector<std::uint8_t> bytes;
};

// Blue corner top-left, red top row, azure bottom row; y counts from the top.
COLORREF signpost(int x, int y)
{
    if (x == 0 && y == 0)
        return RGB(0, 0, 255);
    if (y == 0)
        return kRed;
    return y == 31 ? kAzure : kWhite;
}

TEST(GdiStretchDIBits, bottomUpAndTopDownDibs_comeOutUpright)
{
    for (const bool bottomUp : { true, false }) {
        SCOPED_TRACE(bottomUp ? "bottom-up" : "top-down");
        const Dib dib(32, 32, bottomUp, signpost);
        TestCanvas canvas(32, 32);
        EXPECT_EQ(dib.draw(canvas.dc, { 0, 0, 32, 32 }, { 0, 0, 32, 32 }, SRCCOPY), 32);
        EXPECT_EQ(canvas.dc.GetPixel(0, 0), RGB(0, 0, 255));
        EXPECT_EQ(canvas.dc.GetPixel(31, 0), kRed);
        EXPECT_EQ(canvas.dc.GetPixel(5, 31), kAzure);
        EXPECT_EQ(canvas.dc.GetPixel(5, 16), kWhite);
    }
}

TEST(GdiStretchDIBits, sourceRowsOfBottomUpDib_countFromTheBottom)
{
    const Dib dib(32, 32, true, [](int, int y) { return y < 16 ? kRed : kAzure; });
    TestCanvas canvas(32, 16);
    dib.draw(canvas.dc, { 0, 0, 32, 16 }, { 0, 0, 32, 16 }, SRCCOPY);
    EXPECT_EQ(canvas.dc.GetPixel(0, 0), kAzure);
    EXPECT_EQ(canvas.dc.GetPixel(31, 15), kAzure);
    dib.draw(canvas.dc, { 0, 0, 32, 16 }, { 0, 16, 32, 16 }, SRCCOPY);
    EXPECT_EQ(canvas.dc.GetPixel(0, 0), kRed);
    EXPECT_EQ(canvas.dc.GetPixel(31, 15), kRed);
}

TEST(GdiStretchDIBits, rowsPaddedToFourBytes_readEveryPixel)
{
    const Dib dib(3, 2, true, [](int x, int y) { return RGB(x * 100, y * 100, 7); });
    ASSERT_EQ(dib.bytes.size(), 24u);
    TestCanvas canvas(3, 2);
    dib.draw(canvas.dc, { 0, 0, 3, 2 }, { 0, 0, 3, 2 }, SRCCOPY);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(canvas.dc.GetPixel(x, y), RGB(x * 100, y * 100, 7));
}

TEST(GdiStretchDIBits, maskWithSrcPaintThenImageWithSrcAnd_showsFigureOverBackground)
{
    auto figure = [](int x, int y) { return x >= 10 && x < 14 && y >= 20 && y < 24; };
    const Dib image(32, 32, true, [&](int x, int y) { return figure(x, y) ? kRed : kWhite; });
    const Dib mask(32, 32, true, [&](int x, int y) { return figure(x, y) ? kWhite : kBlack; });
    TestCanvas canvas(40, 40);
    canvas.fill(kTeal);
    mask.draw(canvas.dc, { 4, 4, 32, 32 }, { 0, 0, 32, 32 }, SRCPAINT);
    image.draw(canvas.dc, { 4, 4, 32, 32 }, { 0, 0, 32, 32 }, SRCAND);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(canvas.dc.GetPixel(x, y), figure(x - 4, y - 4) ? kRed : kTeal)
                << x << "," << y;
}

TEST(GdiStretchDIBits, headerOtherThanUncompressed24Bit_failsAndDrawsNothing)
{
    Dib dib(2, 2, true, [](int, int) { return kRed; });
    TestCanvas canvas(2, 2);
    dib.header.biBitCount = 8;
    EXPECT_EQ(dib.draw(canvas.dc, { 0, 0, 2, 2 }, { 0, 0, 2, 2 }, SRCCOPY), 0);
    dib.header.biBitCount = 24;
    dib.header.biCompression = 1;
    EXPECT_EQ(dib.draw(canvas.dc, { 0, 0, 2, 2 }, { 0, 0, 2, 2 }, SRCCOPY), 0);
    EXPECT_EQ(canvas.dc.StretchDIBits(
                  0, 0, 2, 2, 0, 0, 2, 2, nullptr, &dib.header, DIB_RGB_COLORS, SRCCOPY),
        0);
    EXPECT_EQ(picture(canvas.dc), (std::vector<std::string>(2, "..")));
}

// A window surface over a buffer with guard pixels after every row and around the image.
TEST(GdiClipping, everyPrimitivePartlyOutside_writesNothingOutsideTheSurface)
{
    constexpr int width = 10;
    constexpr int height = 10;
    constexpr int stride = width + 3;
    constexpr QRgb guard = 0xFF123456u;
    std::vector<QRgb> buffer(static_cast<std::size_t>((height + 2) * stride), guard);
    auto surface = std::make_shared<Surface>();
    surface->image = QImage(reinterpret_cast<uchar *>(buffer.data() + stride), width, height,
        stride * 4, QImage::Format_RGB32);
    surface->image.fill(0xFFFFFFFFu);
    CDC dc;
    std::vector<QRect> changes;
    dc.AttachWindowSurface(surface, [&](QRect r) { changes.push_back(r); });
    TestCanvas source(32, 32);
    source.fill(kRed);
    const Dib dib(32, 32, true, signpost);
    CPen pen(PS_SOLID, 3, kAzure);
    dc.SelectObject(&pen);

    const std::vector<std::pair<const char *, std::function<void()>>> operations {
        { "line", [&] { dc.MoveTo(-7, 3), dc.LineTo(30, 12); } },
        { "line along the edge", [&] { dc.MoveTo(9, -5), dc.LineTo(9, 40); } },
        { "rectangle", [&] { dc.Rectangle(-3, 8, 13, 15); } },
        { "ellipse", [&] { dc.Ellipse(5, -6, 16, 4); } },
        { "arc", [&] { dc.Arc(-4, -4, 3, 3, 0, -4, -4, 0); } },
        { "text", [&] { dc.TextOut(6, 5, "12345"); } },
        { "fill", [&] { dc.FillSolidRect(QRect(-100, 9, 1000, 1000), kTeal); } },
        { "blit", [&] { dc.BitBlt(-16, 4, 32, 32, &source.dc, 0, 0, SRCCOPY); } },
        { "blit or", [&] { dc.BitBlt(4, -16, 32, 32, &source.dc, -8, 0, SRCPAINT); } },
        { "stretch", [&] { dc.StretchBlt(-3, -3, 20, 20, &source.dc, -5, -5, 40, 40, SRCAND); } },
        { "dib",
            [&] {
                dib.draw(dc, { 1, -20, 32, 32 }, { 0, 0, 32, 32 }, SRCCOPY);
            } },
        { "dib enlarged",
            [&] {
                dib.draw(dc, { -30, -30, 64, 64 }, { 0, 0, 32, 32 }, SRCCOPY);
            } },
    };
    for (const auto &[name, operation] : operations) {
        SCOPED_TRACE(name);
        changes.clear();
        operation();
        for (int row = 0; row < height + 2; ++row) {
            for (int column = 0; column < stride; ++column) {
                const bool guarded = row == 0 || row == height + 1 || column >= width;
                if (guarded) {
                    ASSERT_EQ(buffer[static_cast<std::size_t>(row * stride + column)], guard)
                        << "row " << row << " column " << column;
                }
            }
        }
        ASSERT_FALSE(changes.empty());
        for (const QRect &change : changes)
            EXPECT_TRUE(QRect(0, 0, width, height).contains(change)) << name;
    }
}

} // namespace
