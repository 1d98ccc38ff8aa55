#include "res/ResourceImages.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace {

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
    ASSERT_EQ(buttonFaces().size(), 10u);
    for (const ButtonFace &f : buttonFaces()) {
        SCOPED_TRACE(f.id);
        EXPECT_GE(contrast(f.ink, f.face), 4.5);
        const QImage image = paintResourceBitmap(f.id);
        const bool wide = f.id == 140 || f.id == 141 || f.id == 146 || f.id == 147;
        ASSERT_EQ(image.size(), QSize(wide ? 81 : 48, 20));
        EXPECT_EQ(image.pixel(2, 2), f.face);
        EXPECT_EQ(image.pixel(image.width() - 3, 17), f.face);
        EXPECT_GE(countPixels(image, f.ink), 30) << "the label is drawn in its ink";
        for (int y = 1; y < 19; ++y)
            for (int x : { 1, image.width() - 2 })
                EXPECT_NE(image.pixel(x, y), f.ink) << x << "," << y;
    }
}

} // namespace
