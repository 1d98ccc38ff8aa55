#include "GdiTestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace {

TEST(GdiBitmapSelection, bitmapDeletedOrDestroyedWhileSelected_keepsServingItsDc)
{
    for (const bool destroy : { false, true }) {
        SCOPED_TRACE(destroy ? "destroyed" : "deleted");
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        auto bitmap = std::make_unique<CBitmap>();
        bitmap->CreateBitmapIndirect(BITMAP { 0, 3, 3 });
        dc.SelectObject(bitmap.get());
        dc.FillSolidRect(QRect(0, 0, 3, 3), kRed);
        if (destroy)
            bitmap.reset();
        else
            EXPECT_TRUE(bitmap->DeleteObject() && !bitmap->IsValid() && !bitmap->image());
        EXPECT_TRUE(dc.Rectangle(0, 0, 3, 2));
        EXPECT_EQ(picture(dc), "###/###/rrr");
        EXPECT_EQ(dc.SelectObject(CBitmap::stock()), CBitmap::stock());
        EXPECT_TRUE(!bitmap || dc.SelectObject(bitmap.get()) == nullptr);
    }
}

TEST(GdiDc, withoutBitmapDrawsNothingAndReadsWhite)
{
    CDC empty;
    empty.CreateCompatibleDC(nullptr);
    EXPECT_TRUE(empty.Rectangle(0, 0, 5, 5) && empty.TextOut(0, 0, "1"));
    EXPECT_EQ(empty.GetPixel(0, 0), kWhite);

    TestCanvas target("##/##");
    EXPECT_FALSE(target.dc.BitBlt(0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    EXPECT_EQ(picture(target.dc), "##/##");
    EXPECT_TRUE(target.dc.BitBlt(0, 0, 2, 2, &empty, 0, 0, SRCCOPY));
    EXPECT_EQ(picture(target.dc), "../..");
}

// A DC copies what it needs on selection, so deleting a selected pen changes nothing.
TEST(GdiStockObjects, selectionReturnsWhatItReplaced_stockObjectsFirst)
{
    TestCanvas canvas(6, 3);
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush;
    brush.CreateSolidBrush(kAzure);
    CFont font;
    createGothic(font, 10);
    EXPECT_EQ(std::tuple(canvas.dc.SelectObject(&pen), canvas.dc.SelectObject(&brush),
                  canvas.dc.SelectObject(&font)),
        std::tuple(CPen::stock(), CBrush::stock(), CFont::stock()));
    EXPECT_TRUE(pen.DeleteObject());
    canvas.dc.Rectangle(0, 0, 6, 3);
    EXPECT_EQ(picture(canvas.dc), "rrrrrr/roooor/rrrrrr");
}

TEST(GdiBitmap, createdWhiteOfTheGivenSize_loadedAsOpaqueRgb32)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmapIndirect(BITMAP { 0, 525, 351 }));
    BITMAP info;
    EXPECT_GT(bitmap.GetBitmap(&info), 0);
    EXPECT_EQ(std::tuple(info.bmWidth, info.bmHeight, bitmap.image()->pixel(524, 350)),
        std::tuple(525, 351, 0xFFFFFFFFu));

    QTemporaryDir dir;
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(1, 1, 0xFF00FF00u);
    ASSERT_TRUE(image.save(dir.filePath("picture.png")));
    ASSERT_TRUE(bitmap.LoadImageFromFile(dir.filePath("picture.png").toStdString()));
    EXPECT_EQ(std::tuple(bitmap.image()->format(), bitmap.image()->pixel(1, 1),
                  bitmap.image()->pixel(0, 0)),
        std::tuple(QImage::Format_RGB32, 0xFF00FF00u, 0xFFFFFFFFu));
}

} // namespace
