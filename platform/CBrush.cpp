#include "platform/CBrush.h"

bool CBrush::CreateSolidBrush(COLORREF color)
{
    m_color = color & 0x00FFFFFFu;
    m_valid = true;
    return true;
}

bool CBrush::DeleteObject()
{
    if (!m_valid || this == stock())
        return false;
    m_valid = false;
    return true;
}

CBrush *CBrush::stock()
{
    static CBrush *brush = [] {
        auto *white = new CBrush;
        white->CreateSolidBrush(RGB(255, 255, 255));
        return white;
    }();
    return brush;
}
