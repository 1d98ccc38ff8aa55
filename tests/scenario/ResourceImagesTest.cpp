#include "res/ResourceImages.h"

#include <QColor>
#include <QRect>
#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

struct FaceRow
{
    const char *name;
    int id;
    int width;
    int height;
    QRgb face;
    QRgb ink;
};

void PrintTo(const FaceRow &row, std::ostream *os) { *os << row.name << " (" << row.id << ")"; }

constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kWhite = 0xFFFFFFFF;

const FaceRow kFaceRows[] = {
    { "playIdle", 132, 48, 20, 0xFF008000, kSilver },
    { "playActive", 133, 48, 20, 0xFF00FF00, kWhite },
    { "pathIdle", 136, 48, 20, 0xFF808000, kSilver },
    { "pathRunning", 135, 48, 20, 0xFFFFFF00, 0xFF800080 },
    { "correlationIdle", 143, 48, 20, 0xFF808000, kSilver },
    { "correlationRunning", 144, 48, 20, 0xFFFFFF00, 0xFF800080 },
    { "teachIdle", 140, 81, 20, 0xFF000080, kSilver },
    { "teachActive", 141, 81, 20, 0xFF00FFFF, kWhite },
    { "sliderIdle", 146, 81, 20, 0xFF000080, kSilver },
    { "sliderActive", 147, 81, 20, 0xFF00FFFF, kWhite },
};

QRect inkBounds(const QImage &image, QRgb ink, int *count)
{
    QRect bounds;
    *count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == ink) {
                bounds |= QRect(x, y, 1, 1);
                ++*count;
            }
    return bounds;
}

class ButtonFace : public ::testing::TestWithParam<FaceRow>
{
};

TEST_P(ButtonFace, paintResourceBitmap_face_hasItsSizeColoursAndACentredLabelInside)
{
    const FaceRow &row = GetParam();
    const QImage image = paintResourceBitmap(row.id);

    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.size(), QSize(row.width, row.height));
    EXPECT_EQ(image.pixel(2, 2), row.face) << "face colour inside the edge";
    EXPECT_EQ(image.pixel(row.width - 3, row.height - 3), row.face);

    int inkPixels = 0;
    const QRect ink = inkBounds(image, row.ink, &inkPixels);
    EXPECT_GE(inkPixels, 30) << "the label or sign is drawn in the text colour";
    EXPECT_GE(ink.left(), 2) << "label runs into the left edge";
    EXPECT_LE(ink.right(), row.width - 3) << "label runs into the right edge";
    EXPECT_GE(ink.top(), 2);
    EXPECT_LE(ink.bottom(), row.height - 3);
    const int leftMargin = ink.left();
    const int rightMargin = row.width - 1 - ink.right();
    EXPECT_LE(std::abs(leftMargin - rightMargin), 4) << "label is not centred";
}

INSTANTIATE_TEST_SUITE_P(AllFaces, ButtonFace, ::testing::ValuesIn(kFaceRows),
    [](const auto &p) { return std::string(p.param.name); });

TEST(ResourceImages, paintResourceBitmap_canvasIds_giveBlankWhite525x351)
{
    for (int id : { 129, 134, 137, 145 }) {
        SCOPED_TRACE(id);
        const QImage image = paintResourceBitmap(id);
        ASSERT_EQ(image.size(), QSize(525, 351));
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        QImage white(image.size(), QImage::Format_RGB32);
        white.fill(kWhite);
        EXPECT_TRUE(image == white);
    }
}

TEST(ResourceImages, paintResourceBitmap_idsThatAreNoBitmap_giveNullImage)
{
    // 128 is the icon; 100, 102, 131, 138, 142 and 148 are dialog templates.
    for (int id : { -1, 0, 100, 102, 128, 130, 131, 138, 139, 142, 148, 1000 }) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(paintResourceBitmap(id).isNull());
    }
}

TEST(ResourceImages, paintAppIcon_bothSizes_drawAFramedChartWithAMagentaPath)
{
    for (int size : { 32, 16 }) {
        SCOPED_TRACE(size);
        const QImage icon = paintAppIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(icon.pixel(0, 0), 0xFF000000u) << "black frame";
        EXPECT_EQ(icon.pixel(size - 1, size - 1), 0xFF000000u);
        int path = 0;
        inkBounds(icon, 0xFFFF00FF, &path);
        EXPECT_GE(path, size / 4) << "the dotted path is visible";
    }
    EXPECT_TRUE(paintAppIcon(24).isNull());
}

} // namespace
