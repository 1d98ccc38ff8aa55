#include "res/ResourceImages.h"

#include <QColor>
#include <gtest/gtest.h>
#include <tuple>

namespace {

constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kWhite = 0xFFFFFFFF;

int countPixels(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

TEST(ResourceImages, buttonFaces_haveTheirSizeFaceColourAndLabel)
{
    // Id, width, face colour, label colour; every face is 20 high.
    const std::tuple<int, int, QRgb, QRgb> faces[]
        = { { 132, 48, 0xFF008000, kSilver }, { 133, 48, 0xFF00FF00, kWhite },
              { 136, 48, 0xFF808000, kSilver }, { 135, 48, 0xFFFFFF00, 0xFF800080 },
              { 143, 48, 0xFF808000, kSilver }, { 144, 48, 0xFFFFFF00, 0xFF800080 },
              { 140, 81, 0xFF000080, kSilver }, { 141, 81, 0xFF00FFFF, kWhite },
              { 146, 81, 0xFF000080, kSilver }, { 147, 81, 0xFF00FFFF, kWhite } };
    for (const auto &[id, width, face, ink] : faces) {
        SCOPED_TRACE(id);
        const QImage image = paintResourceBitmap(id);
        ASSERT_EQ(image.size(), QSize(width, 20));
        EXPECT_EQ(image.pixel(2, 2), face);
        EXPECT_EQ(image.pixel(width - 3, 17), face);
        EXPECT_GE(countPixels(image, ink), 30) << "the label is drawn in the text colour";
    }
}

TEST(ResourceImages, canvasIdsGiveBlankWhite_otherIdsGiveNull)
{
    for (int id : { 129, 134, 137, 145 })
        EXPECT_EQ(countPixels(paintResourceBitmap(id), kWhite), 525 * 351) << id;
    // 128 is the icon; 100, 102, 131, 138, 142 and 148 are dialog templates.
    for (int id : { -1, 0, 100, 102, 128, 130, 131, 138, 139, 142, 148, 1000 })
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
