#pragma once

#include "platform/CGdiObject.h"
#include "platform/GdiTypes.h"

// A solid pen; a DC copies its width and colour when it is selected.
class CPen : public CGdiObject
{
public:
    // Wider pens are clamped to this; nothing here needs more, and it bounds the work per pixel.
    static constexpr int kMaxWidth = 64;

    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    // Every style draws solid; a width below 1 is 1, as GDI's cosmetic pen.
    bool CreatePen(int style, int width, COLORREF color);
    bool DeleteObject();
    int width() const { return m_width; }
    COLORREF color() const { return m_color; }

    // The black 1-px pen every DC starts with.
    static CPen *stock();

private:
    int m_width = 1;
    COLORREF m_color = 0;
};
