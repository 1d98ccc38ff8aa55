#include "GdiTestSupport.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

namespace {

TEST(GdiBitmapSelection, bitmapInOneDc_isRefusedByASecondUntilReleased)
{
    TestCanvas first(4, 4);
    CDC second;
    second.CreateCompatibleDC(nullptr);

    EXPECT_EQ(second.SelectObject(&first.bitmap), nullptr);
    EXPECT_EQ(second.image(), nullptr);
    EXPECT_EQ(first.dc.SelectObject(&first.bitmap), &first.bitmap);
    EXPECT_EQ(first.dc.image(), first.bitmap.image());

    CBitmap other;
    other.CreateBitmapIndirect(BITMAP { 0, 2, 2, 0, 1, 32 });
    EXPECT_EQ(first.dc.SelectObject(&other), &first.bitmap);
    EXPECT_EQ(second.SelectObject(&first.bitmap), CBitmap::stock());
    EXPECT_EQ(second.image(), first.bitmap.image());

    second.DeleteDC();
    EXPECT_EQ(first.dc.SelectObject(&first.bitmap), &other);
}

TEST(GdiBitmapSelection, selectingStockBitmap_releasesTheBitmap)
{
    TestCanvas canvas(4, 4);
    EXPECT_EQ(canvas.dc.SelectObject(CBitmap::stock()), &canvas.bitmap);
    EXPECT_EQ(canvas.dc.image(), nullptr);
    CDC other;
    other.CreateCompatibleDC(nullptr);
    EXPECT_NE(other.SelectObject(&canvas.bitmap), nullptr);
}

TEST(GdiBitmapSelection, bitmapDeletedWhileSelected_keepsServingItsDc)
{
    TestCanvas canvas(4, 4);
    canvas.fill(kRed);
    EXPECT_TRUE(canvas.bitmap.DeleteObject());
    EXPECT_EQ(canvas.bitmap.image(), nullptr);
    EXPECT_FALSE(canvas.bitmap.IsValid());
    EXPECT_EQ(canvas.dc.GetPixel(1, 1), kRed);
    canvas.dc.FillSolidRect(QRect(0, 0, 1, 1), kAzure);
    EXPECT_EQ(canvas.dc.GetPixel(0, 0), kAzure);

    CBitmap next;
    next.CreateBitmapIndirect(BITMAP { 0, 4, 4, 0, 1, 32 });
    EXPECT_EQ(canvas.dc.SelectObject(&next), CBitmap::stock());
    EXPECT_EQ(canvas.dc.GetPixel(0, 0), kWhite);
    EXPECT_EQ(canvas.dc.SelectObject(&canvas.bitmap), nullptr);
}

TEST(GdiBitmapSelection, bitmapObjectDestroyedWhileSelected_leavesNoDanglingSurface)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    {
        CBitmap scoped;
        scoped.CreateBitmapIndirect(BITMAP { 0, 3, 3, 0, 1, 32 });
        dc.SelectObject(&scoped);
    }
    EXPECT_TRUE(dc.Rectangle(0, 0, 3, 3));
    EXPECT_EQ(dc.GetPixel(0, 0), kBlack);
    EXPECT_EQ(dc.SelectObject(CBitmap::stock()), CBitmap::stock());
}

TEST(GdiDc, withoutBitmap_drawsNothingAndReadsWhite)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    EXPECT_TRUE(dc.Rectangle(0, 0, 5, 5));
    EXPECT_TRUE(dc.TextOut(0, 0, "1"));
    EXPECT_EQ(dc.GetPixel(0, 0), kWhite);
    EXPECT_EQ(dc.image(), nullptr);
}

TEST(GdiDc, neverCreatedOrDeleted_refusesEverything)
{
    CDC dc;
    CBitmap bitmap;
    bitmap.CreateBitmapIndirect(BITMAP { 0, 3, 3, 0, 1, 32 });
    CPen pen(PS_SOLID, 1, kRed);
    EXPECT_EQ(dc.SelectObject(&bitmap), nullptr);
    EXPECT_EQ(dc.SelectObject(&pen), nullptr);
    EXPECT_FALSE(dc.Rectangle(0, 0, 2, 2));
    EXPECT_FALSE(dc.DeleteDC());

    TestCanvas canvas(3, 3);
    EXPECT_FALSE(canvas.dc.BitBlt(0, 0, 3, 3, &dc, 0, 0, SRCCOPY));
    EXPECT_TRUE(canvas.dc.DeleteDC());
    EXPECT_FALSE(canvas.dc.LineTo(2, 2));
    EXPECT_EQ(dc.SelectObject(&canvas.bitmap), nullptr);
}

TEST(GdiDc, windowDc_refusesBitmaps)
{
    auto surface = std::make_shared<Surface>();
    surface->image = QImage(2, 2, QImage::Format_RGB32);
    CDC window;
    window.AttachWindowSurface(surface, {});
    CBitmap bitmap;
    bitmap.CreateBitmapIndirect(BITMAP { 0, 3, 3, 0, 1, 32 });
    EXPECT_EQ(window.SelectObject(&bitmap), nullptr);
    EXPECT_EQ(window.image(), &surface->image);
}

TEST(GdiStockObjects, selectionReturnsStockObjects_thatSelectBack)
{
    TestCanvas canvas(6, 3);
    CPen pen(PS_SOLID, 2, kRed);
    CBrush brush;
    brush.CreateSolidBrush(kAzure);
    CFont font;
    font.CreateFont(10, 0, 0, 0, 400, false, false, false, 128, 2, 0, 0, 0, "ＭＳ ゴシック");

    EXPECT_EQ(canvas.dc.SelectObject(&pen), CPen::stock());
    EXPECT_EQ(canvas.dc.SelectObject(&brush), CBrush::stock());
    EXPECT_EQ(canvas.dc.SelectObject(&font), CFont::stock());
    EXPECT_EQ(canvas.dc.SelectObject(CPen::stock()), &pen);
    EXPECT_EQ(canvas.dc.SelectObject(CBrush::stock()), &brush);
    EXPECT_EQ(canvas.dc.SelectObject(CFont::stock()), &font);

    canvas.dc.Rectangle(0, 0, 6, 3);
    EXPECT_EQ(picture(canvas.dc, { { kBlack, '#' } }),
        (std::vector<std::string> { "######", "#....#", "######" }));
    EXPECT_FALSE(CPen::stock()->DeleteObject());
}

TEST(GdiStockObjects, deletedOrNeverCreatedObjects_areRefused)
{
    TestCanvas canvas(2, 2);
    CPen pen(PS_SOLID, 1, kRed);
    pen.DeleteObject();
    CBrush brush;
    CFont font;
    EXPECT_EQ(canvas.dc.SelectObject(&pen), nullptr);
    EXPECT_EQ(canvas.dc.SelectObject(&brush), nullptr);
    EXPECT_EQ(canvas.dc.SelectObject(&font), nullptr);
    EXPECT_EQ(canvas.dc.SelectObject(CPen::stock()), CPen::stock());
}

TEST(GdiPen, selectedPenDeletedLater_keepsDrawingAsSelected)
{
    TestCanvas canvas(4, 1);
    CPen pen(PS_SOLID, 1, kRed);
    canvas.dc.SelectObject(&pen);
    pen.DeleteObject();
    canvas.dc.MoveTo(0, 0);
    canvas.dc.LineTo(4, 0);
    EXPECT_EQ(picture(canvas.dc, { { kRed, '#' } }), (std::vector<std::string> { "####" }));
}

TEST(GdiBitmap, createBitmapIndirect_isWhiteOfTheGivenSize)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmapIndirect(BITMAP { 0, 525, 351, 0, 1, 32 }));
    BITMAP info;
    EXPECT_EQ(bitmap.GetBitmap(&info), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(info.bmWidth, 525);
    EXPECT_EQ(info.bmHeight, 351);
    EXPECT_EQ(bitmap.image()->format(), QImage::Format_RGB32);
    EXPECT_EQ(bitmap.image()->pixel(524, 350), 0xFFFFFFFFu);

    CBitmap empty;
    EXPECT_FALSE(empty.CreateBitmapIndirect(BITMAP { 0, 0, 5, 0, 1, 32 }));
    EXPECT_FALSE(empty.CreateBitmapIndirect(BITMAP { 0, 5, -1, 0, 1, 32 }));
    EXPECT_EQ(empty.GetBitmap(&info), 0);
}

TEST(GdiBitmap, loadImageFromFile_readsAnyQtFormatAsOpaqueRgb32)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(1, 1, 0xFF00FF00u);
    const std::string png = dir.filePath("picture.png").toStdString();
    ASSERT_TRUE(picture.save(QString::fromStdString(png)));
    const std::string bmp = dir.filePath("picture.bmp").toStdString();
    ASSERT_TRUE(picture.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(bmp)));

    CBitmap fromPng;
    ASSERT_TRUE(fromPng.LoadImageFromFile(png));
    EXPECT_EQ(fromPng.image()->format(), QImage::Format_RGB32);
    EXPECT_EQ(fromPng.image()->pixel(1, 1), 0xFF00FF00u);
    EXPECT_EQ(fromPng.image()->pixel(0, 0), 0xFFFFFFFFu);
    CBitmap fromBmp;
    ASSERT_TRUE(fromBmp.LoadImageFromFile(bmp));
    EXPECT_EQ(fromBmp.image()->size(), QSize(3, 2));
    EXPECT_EQ(fromBmp.image()->pixel(1, 1), 0xFF00FF00u);

    const std::string garbage = dir.filePath("garbage.bmp").toStdString();
    std::ofstream(garbage) << "BM not really";
    CBitmap failed;
    EXPECT_FALSE(failed.LoadImageFromFile(garbage));
    EXPECT_FALSE(failed.LoadImageFromFile(dir.filePath("missing.bmp").toStdString()));
    EXPECT_FALSE(failed.IsValid());
}

TEST(GdiFont, failCreationForTesting_makesCreateFontFailUntilCleared)
{
    CFont::failCreationForTesting(true);
    CFont font;
    const bool created
        = font.CreateFont(14, 0, 0, 0, 700, false, false, false, 128, 2, 0, 0, 0, "ＭＳ ゴシック");
    CFont::failCreationForTesting(false);
    EXPECT_FALSE(created);
    EXPECT_EQ(font.font(), nullptr);
    TestCanvas canvas(2, 2);
    EXPECT_EQ(canvas.dc.SelectObject(&font), nullptr);

    EXPECT_TRUE(
        font.CreateFont(14, 0, 0, 0, 700, false, false, false, 128, 2, 0, 0, 0, "ＭＳ ゴシック"));
    EXPECT_EQ(canvas.dc.SelectObject(&font), CFont::stock());
}

} // namespace
