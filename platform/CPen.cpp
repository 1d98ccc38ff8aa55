#include "platform/CPen.h"

#include <algorithm>

bool CPen::CreatePen(int /*style*/, int width, COLORREF color)
{
    m_width = std::clamp(width, 1, kMaxWidth);
    m_color = color & 0x00FFFFFFu;
    m_valid = true;
    return true;
}

bool CPen::DeleteObject()
{
    if (!m_valid || this == stock())
        return false;
    m_valid = false;
    return true;
}

CPen *CPen::stock()
{
    static CPen *pen = new CPen(PS_SOLID, 1, RGB(0, 0, 0));
    return pen;
}
