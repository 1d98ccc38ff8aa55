#include "GdiTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <vector>

namespace {

// Each row: FF00FF00 combined with FF0F0FF0, and a teal surface after a red 2x2 source is
// blitted partly outside both.
TEST(GdiBitBlt, rasterOps_combineBitwiseKeepAlphaAndReadWhiteOutsideTheSource)
{
    const std::tuple<const char *, RasterOp, QRgb, const char *> cases[] {
        { "SRCCOPY", SRCCOPY, 0xFF0F0FF0u, "t.rr/t.rr/t.../t..." },
        { "SRCAND", SRCAND, 0xFF000F00u, "tt##/tt##/tttt/tttt" },
        { "SRCPAINT", SRCPAINT, 0xFF0FFFF0u, "t.xx/t.xx/t.../t..." },
    };
    for (const auto &[name, rop, combined, partlyOutside] : cases) {
        SCOPED_TRACE(name);
        TestCanvas target(1, 1);
        TestCanvas source(1, 1);
        target.fill(RGB(0x00, 0xFF, 0x00));
        source.fill(RGB(0x0F, 0x0F, 0xF0));
        EXPECT_TRUE(target.dc.BitBlt(0, 0, 1, 1, &source.dc, 0, 0, rop));
        EXPECT_EQ(target.dc.image()->pixel(0, 0), combined);

        TestCanvas teal("tttt/tttt/tttt/tttt");
        TestCanvas red("rr/rr");
        EXPECT_TRUE(teal.dc.BitBlt(1, 0, 4, 4, &red.dc, -1, 0, rop));
        EXPECT_EQ(picture(teal.dc), partlyOutside);
    }
    TestCanvas canvas("rot."); // overlapping within one surface copies the original pixels
    EXPECT_TRUE(canvas.dc.BitBlt(1, 0, 3, 1, &canvas.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(picture(canvas.dc), "rrot");
}

// Black-on-white stretch mode: pixels folding into one are ANDed, so thin black lines survive.
TEST(GdiStretchBlt, shrinkAndsFoldedPixels_enlargeReplicates_outsideReadsWhite)
{
    TestCanvas lines(12, 12);
    lines.dc.FillSolidRect(QRect(5, 0, 1, 12), kBlack);
    lines.dc.FillSolidRect(QRect(0, 11, 12, 1), kBlack);
    TestCanvas shrunk(3, 3);
    EXPECT_TRUE(shrunk.dc.StretchBlt(0, 0, 3, 3, &lines.dc, 0, 0, 12, 12, SRCCOPY));
    EXPECT_EQ(picture(shrunk.dc), ".#./.#./###");
    TestCanvas redAzure("ro");
    EXPECT_TRUE(shrunk.dc.StretchBlt(0, 0, 1, 1, &redAzure.dc, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(shrunk.dc.GetPixel(0, 0), kBlack);

    TestCanvas small("r./.o");
    TestCanvas large(5, 5);
    EXPECT_TRUE(large.dc.StretchBlt(0, 0, 4, 4, &small.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(picture(large.dc), "rr.../rr.../..oo./..oo./.....");
    large.fill(kBlack);
    large.dc.StretchBlt(0, 0, 4, 4, &small.dc, 1, 0, 2, 4, SRCCOPY);
    EXPECT_EQ(picture(large.dc), "....#/oo..#/....#/....#/#####");
}

// A bottom-up 24-bit DIB of a picture. Format_BGR888 rows are laid out as a DIB's: blue, green,
// red, padded to four bytes.
struct Dib
{
    explicit Dib(const std::string &rows)
        : bits(TestCanvas(rows).dc.image()->convertToFormat(QImage::Format_BGR888).mirrored())
    {
        header.biWidth = bits.width();
        header.biHeight = bits.height();
    }
    int draw(CDC &dc, QRect to, QRect from, RasterOp rop = SRCCOPY) const
    {
        return dc.StretchDIBits(to.x(), to.y(), to.width(), to.height(), from.x(), from.y(),
            from.width(), from.height(), bits.constBits(), &header, DIB_RGB_COLORS, rop);
    }

    QImage bits;
    BITMAPINFOHEADER header;
};

// A bottom-up DIB's first row in memory is the picture's bottom row.
TEST(GdiStretchDIBits, bottomUpDib_comesOutUprightInItsColours)
{
    const Dib dib("ro./t#r");
    TestCanvas canvas(3, 2);
    EXPECT_EQ(dib.draw(canvas.dc, { 0, 0, 3, 2 }, { 0, 0, 3, 2 }), 2);
    EXPECT_EQ(picture(canvas.dc), "ro./t#r");
}

// A window surface over a buffer with guard pixels after every row and above and below; no
// primitive may touch them, and each reports a change within the window. One row per way of
// clipping: lines, outlined figures, arcs, text, fills, blits and stretches.
TEST(GdiClipping, everyPrimitivePartlyOutside_writesNothingOutsideTheSurface)
{
    constexpr int width = 10, height = 10, stride = width + 3;
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
    const Dib dib("rot#/rot#/ro../#t.o");
    CPen pen(PS_SOLID, 3, kAzure);
    dc.SelectObject(&pen);

    const std::pair<const char *, std::function<void()>> operations[] {
        { "line", [&] { dc.MoveTo(-7, 3), dc.LineTo(30, 12); } },
        { "rectangle", [&] { dc.Rectangle(-3, 8, 13, 15); } },
        { "arc", [&] { dc.Arc(-6, 2, 4, 8, 4, 5, -1, 8); } },
        { "text", [&] { dc.TextOut(6, 5, "12345"); } },
        { "fill", [&] { dc.FillSolidRect(QRect(-100, 9, 1000, 1000), kTeal); } },
        { "blit", [&] { dc.BitBlt(-16, 4, 32, 32, &source.dc, 0, 0, SRCCOPY); } },
        { "stretch", [&] { dc.StretchBlt(-3, -3, 20, 20, &source.dc, -5, -5, 40, 40, SRCAND); } },
        { "dib enlarged", [&] { dib.draw(dc, QRect(-30, -30, 64, 64), QRect(0, 0, 4, 4)); } },
    };
    for (const auto &[name, operation] : operations) {
        SCOPED_TRACE(name);
        changes.clear();
        operation();
        ASSERT_EQ(std::count(buffer.begin(), buffer.end(), guard),
            (height + 2) * stride - width * height);
        ASSERT_FALSE(changes.empty());
        for (const QRect &change : changes)
            EXPECT_TRUE(QRect(0, 0, width, height).contains(change));
    }
}

// Bounds gathered while enabled hold every pixel each primitive changed; disabled, nothing is
// gathered; DCB_RESET hands the box over once.
TEST(GdiBounds, gatherEveryChangedPixel_onlyWhileEnabled)
{
    TestCanvas canvas(40, 30), source(8, 8);
    source.fill(kRed);
    CDC &dc = canvas.dc;
    CPen pen(PS_SOLID, 3, kAzure);
    dc.SelectObject(&pen);
    const std::pair<const char *, std::function<void()>> operations[] {
        { "line", [&] { dc.MoveTo(35, 2), dc.LineTo(3, 27); } },
        { "ellipse", [&] { dc.Ellipse(10, 10, 17, 15); } },
        { "arc", [&] { dc.Arc(20, 3, 30, 13, 30, 8, 20, 8); } },
        { "text", [&] { dc.TextOut(2, 12, "r = 0.5"); } },
        { "blit", [&] { dc.BitBlt(30, 24, 8, 8, &source.dc, 0, 0, SRCAND); } },
    };
    for (const auto &[name, operation] : operations) {
        SCOPED_TRACE(name);
        canvas.fill(kWhite);
        const QImage before = *dc.image();
        EXPECT_EQ(dc.SetBoundsRect(nullptr, DCB_RESET | DCB_ENABLE), DCB_DISABLE | DCB_RESET);
        operation();
        QRect bounds;
        EXPECT_EQ(dc.GetBoundsRect(&bounds, DCB_RESET), DCB_SET);
        EXPECT_EQ(dc.SetBoundsRect(nullptr, DCB_DISABLE), DCB_ENABLE | DCB_RESET);
        int changed = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (before.pixel(x, y) != dc.image()->pixel(x, y)) {
                    ++changed;
                    EXPECT_TRUE(bounds.contains(x, y)) << x << ',' << y;
                }
        EXPECT_GT(changed, 0);
        operation();
        EXPECT_EQ(dc.GetBoundsRect(&bounds, 0), DCB_RESET);
    }
    const QRect given(1, 2, 3, 4);
    dc.SetBoundsRect(&given, DCB_ACCUMULATE);
    QRect bounds;
    EXPECT_EQ(
        std::pair(dc.GetBoundsRect(&bounds, 0), bounds), std::pair(unsigned { DCB_SET }, given));
}

} // namespace
