#pragma once

// Small surfaces for pixel-exact drawing tests, painted from and compared with pictures: one
// character per pixel, rows separated by '/', 'x' for a colour outside the legend.

#include "platform/Gdi.h"

#include <QSize>
#include <algorithm>
#include <string>
#include <utility>

inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kAzure = RGB(0, 127, 255);
inline constexpr COLORREF kTeal = RGB(0, 212, 212);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr std::pair<COLORREF, char> kLegend[] { { kWhite, '.' }, { kBlack, '#' },
    { kRed, 'r' }, { kAzure, 'o' }, { kTeal, 't' } };

inline QSize sizeOf(const std::string &rows)
{
    return { static_cast<int>(std::min(rows.find('/'), rows.size())),
        static_cast<int>(std::count(rows.begin(), rows.end(), '/')) + 1 };
}

inline std::string picture(const CDC &dc)
{
    std::string rows;
    for (int y = 0; y < dc.image()->height(); ++y) {
        rows += y > 0 ? "/" : "";
        for (int x = 0; x < dc.image()->width(); ++x) {
            char mark = 'x';
            for (const auto &[colour, legendMark] : kLegend)
                mark = dc.GetPixel(x, y) == colour ? legendMark : mark;
            rows += mark;
        }
    }
    return rows;
}

inline bool createGothic(CFont &font, int height, int weight = 400)
{
    return font.CreateFont(
        height, 0, 0, 0, weight, false, false, false, 128, 2, 0, 0, 0, "ＭＳ ゴシック");
}

// A bitmap, white or painted from a picture, selected into a fresh memory DC; with a pen and a
// brush to select.
struct TestCanvas
{
    TestCanvas(int width, int height)
    {
        bitmap.CreateBitmapIndirect(BITMAP { 0, width, height });
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&bitmap);
    }
    explicit TestCanvas(const std::string &rows)
        : TestCanvas(sizeOf(rows).width(), sizeOf(rows).height())
    {
        const int stride = sizeOf(rows).width() + 1;
        for (int i = 0; i < static_cast<int>(rows.size()); ++i)
            for (const auto &[colour, mark] : kLegend)
                if (rows[static_cast<std::size_t>(i)] == mark)
                    dc.FillSolidRect(QRect(i % stride, i / stride, 1, 1), colour);
    }
    void fill(COLORREF colour) { dc.FillSolidRect(dc.image()->rect(), colour); }
    void tools(int penWidth, COLORREF penColour, COLORREF brushColour = kWhite)
    {
        pen.CreatePen(PS_SOLID, penWidth, penColour);
        brush.CreateSolidBrush(brushColour);
        dc.SelectObject(&pen);
        dc.SelectObject(&brush);
    }

    CBitmap bitmap;
    CDC dc;
    CPen pen;
    CBrush brush;
};
