#include "res/ResourceImages.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

int countPixels(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

// WCAG 2 relative luminance and contrast ratio.
double luminance(QRgb colour)
{
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour))
        + 0.0722 * linear(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every face: its size, its colours with a label contrast of 4.5:1 or better, the label drawn in
// its ink, and a blank column inside the bevel on both sides, so no stroke is cut or merged.
TEST(ResourceImages, buttonFaces_haveTheirSizeColoursAndAReadableLabel)
{
    const std::map<int, int> widths { { 132, 48 }, { 133, 48 }, { 135, 48 }, { 136, 48 },
        { 143, 48 }, { 144, 48 }, { 140, 81 }, { 141, 81 }, { 146, 81 }, { 147, 81 } };
    ASSERT_EQ(buttonFaces().size(), widths.size());
    for (const ButtonFace &f : buttonFaces()) {
        SCOPED_TRACE(f.id);
        EXPECT_GE(contrast(f.ink, f.face), 4.5);
        const QImage image = paintResourceBitmap(f.id);
        ASSERT_EQ(image.size(), QSize(widths.at(f.id), 20));
        EXPECT_EQ(image.pixel(2, 2), f.face);
        EXPECT_EQ(image.pixel(image.width() - 3, 17), f.face);
        EXPECT_GE(countPixels(image, f.ink), 30) << "the label is drawn in its ink";
        for (int y = 1; y < 19; ++y)
            for (int x : { 1, image.width() - 2 })
                EXPECT_NE(image.pixel(x, y), f.ink) << x << "," << y;
    }
}

TEST(ResourceImages, canvasIdsGiveBlankWhite_otherIdsGiveNull)
{
    for (int id : { 129, 134, 137, 145 })
        EXPECT_EQ(countPixels(paintResourceBitmap(id), kWhite), 525 * 351) << id;
    // 128 is the icon, 131 a dialog template.
    for (int id : { 0, 128, 130, 131, 1000 })
        EXPECT_TRUE(paintResourceBitmap(id).isNull()) << id;
}

TEST(ResourceImages, appIcon_comesIn32And16_framedWithAMagentaPath)
{
    for (int size : { 32, 16 }) {
        const QImage icon = paintAppIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(icon.pixel(size - 1, size - 1), 0xFF000000u) << "black frame";
        EXPECT_GE(countPixels(icon, 0xFFFF00FF), size / 4) << "the dotted path is visible";
    }
    EXPECT_TRUE(paintAppIcon(24).isNull());
}

} // namespace
