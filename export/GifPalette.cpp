#include "export/GifPalette.h"

void GifPalette::clear()
{
    m_indices.fill(-1);
    m_colours.clear();
}

int GifPalette::intern(QRgb colour)
{
    std::size_t slot = slotOf(colour);
    while (m_indices[slot] >= 0 && m_keys[slot] != colour)
        slot = (slot + 1) & (kSlots - 1);
    if (m_indices[slot] >= 0)
        return m_indices[slot];
    if (m_colours.size() == 256)
        return -1;
    m_keys[slot] = colour;
    m_indices[slot] = static_cast<std::int16_t>(m_colours.size());
    m_colours.push_back(colour);
    return m_indices[slot];
}
