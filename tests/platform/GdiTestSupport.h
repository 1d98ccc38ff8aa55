#pragma once

// Small surfaces for pixel-exact drawing tests, and pictures of them as rows of characters.

#include "platform/Gdi.h"

#include <map>
#include <string>
#include <vector>

// A white bitmap selected into a fresh memory DC.
struct TestCanvas
{
    explicit TestCanvas(int width = 10, int height = 10)
    {
        BITMAP info;
        info.bmWidth = width;
        info.bmHeight = height;
        bitmap.CreateBitmapIndirect(info);
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&bitmap);
    }

    void fill(COLORREF color) { dc.FillSolidRect(dc.image()->rect(), color); }

    CBitmap bitmap;
    CDC dc;
};

// One character per pixel: '.' for white, the legend's character for its colours, '?' for any
// other colour.
inline std::vector<std::string> picture(const CDC &dc, const std::map<COLORREF, char> &legend = {})
{
    const QRect area = dc.image()->rect();
    std::vector<std::string> rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::string row;
        for (int x = area.left(); x <= area.right(); ++x) {
            const COLORREF color = dc.GetPixel(x, y);
            const auto found = legend.find(color);
            row += found != legend.end() ? found->second : color == RGB(255, 255, 255) ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kAzure = RGB(0, 127, 255);
inline constexpr COLORREF kTeal = RGB(0, 212, 212);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
