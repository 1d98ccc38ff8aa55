#pragma once

// The colours of a GIF colour table, at most 256, with a fast look-up of a colour's index.

#include <QRgb>
#include <array>
#include <cstdint>
#include <vector>

class GifPalette
{
public:
    GifPalette() { clear(); }

    void clear();
    // The index of colour, or -1 when the table lacks it.
    int indexOf(QRgb colour) const
    {
        for (std::size_t slot = slotOf(colour);; slot = (slot + 1) & (kSlots - 1)) {
            if (m_indices[slot] < 0 || m_keys[slot] == colour)
                return m_indices[slot];
        }
    }
    // The index of colour, added when new; -1 when the table is full without it.
    int intern(QRgb colour);
    int size() const { return static_cast<int>(m_colours.size()); }
    const std::vector<QRgb> &colours() const { return m_colours; }

private:
    static constexpr std::size_t kSlots = 1024;
    static std::size_t slotOf(QRgb colour) { return (colour * 2654435761u) >> 22; }

    std::array<QRgb, kSlots> m_keys;
    std::array<std::int16_t, kSlots> m_indices;
    std::vector<QRgb> m_colours;
};
