#pragma once

#include "platform/CGdiObject.h"
#include "platform/GdiTypes.h"

// A solid brush; a DC copies its colour when it is selected.
class CBrush : public CGdiObject
{
public:
    bool CreateSolidBrush(COLORREF color);
    bool DeleteObject();
    COLORREF color() const { return m_color; }

    // The white brush every DC starts with.
    static CBrush *stock();

private:
    COLORREF m_color = 0;
};
