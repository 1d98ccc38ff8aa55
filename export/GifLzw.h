#pragma once

// GIF's variable-width LZW compression of one image's colour indices, in two steps: the parse
// into codes, which holds for any colour table the indices are later mapped to, and the packing
// of those codes into the 255-byte sub-blocks of a GIF image block.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class GifLzw
{
public:
    // A frame drawn over the previous one: pixels holding `index` are transparent, and each of
    // them may as well be written as the colour it keeps, `colours` at the same position (or
    // `index` where that colour has none), whichever makes the longer string.
    struct Transparency
    {
        std::uint8_t index = 0;
        std::span<const std::uint8_t> colours;
        // Which a pixel that stays is likelier to continue a string with.
        enum class Prefer { Neighbour, Transparency, Colour } prefer = Prefer::Neighbour;
        bool everyString = true; // follow every string either index extends, else the likelier
    };
    // A code of the parse: an index (below 256), 256 + n for the n-th string added to the code
    // table, or kClear where the table starts afresh.
    static constexpr std::uint16_t kClear = 0xFFFF;

    GifLzw();
    // The parse holds for every minimum code size up to widestCodeSize (the table of that size
    // is the one that fills); true when it never filled the table, so it holds for all. A full
    // table starts afresh at once, or with keepFull > 0 once it compresses worse than keepFull
    // times its average while it was built.
    bool parse(std::span<const std::uint8_t> indices, int widestCodeSize,
        std::vector<std::uint16_t> &codes, const Transparency *transparency = nullptr,
        double keepFull = 0);

    // The image data of a parse, its indices replaced by `palette`: minCodeSize (2 to 8) must
    // hold every replaced index.
    static void pack(std::span<const std::uint16_t> codes,
        const std::array<std::uint8_t, 256> &palette, int minCodeSize, std::string &out);
    // The bytes pack() writes.
    static std::size_t packedSize(std::span<const std::uint16_t> codes, int minCodeSize);

private:
    void clearTable();
    // The code of the string `prefix` followed by `index`, or 0 when the table lacks it.
    unsigned find(unsigned prefix, unsigned index) const
    {
        const std::uint32_t key = m_generation | (prefix << 8) | index;
        for (unsigned slot = slotOf(key);; slot = (slot + 1) & (kSlots - 1)) {
            const Slot &entry = m_slots[slot];
            if (entry.key == key)
                return entry.code;
            if ((entry.key & kGenerationMask) != m_generation)
                return 0;
        }
    }
    void add(unsigned prefix, unsigned index, unsigned code)
    {
        const std::uint32_t key = m_generation | (prefix << 8) | index;
        unsigned slot = slotOf(key);
        while ((m_slots[slot].key & kGenerationMask) == m_generation)
            slot = (slot + 1) & (kSlots - 1);
        m_slots[slot] = { key, code };
    }

    // The strings of the code table by (prefix code, next index), open addressing over twice
    // the 4,096 codes, so that a look-up stays in the cache and probes about once. A slot
    // counts only when its generation is the current one: starting the table afresh is one
    // increment.
    static constexpr unsigned kSlotBits = 13;
    static constexpr unsigned kSlots = 1u << kSlotBits;
    static constexpr unsigned kKeyBits = 21; // a prefix code of 13 bits and an index of 8
    static constexpr std::uint32_t kGenerationMask = ~((std::uint32_t { 1 } << kKeyBits) - 1);
    static unsigned slotOf(std::uint32_t key)
    {
        return ((key & ~kGenerationMask) * 2654435761u) >> (32 - kSlotBits);
    }
    struct Slot
    {
        std::uint32_t key = 0; // generation | prefix << 8 | index
        std::uint32_t code = 0;
    };
    std::vector<Slot> m_slots;
    std::uint32_t m_generation = 0;
    // Runs of one index (most of a frame that changed little) skip the per-pixel look-ups: the
    // codes of index^1 … index^longest are kept in order, and a run walks them by counting.
    std::unique_ptr<std::uint16_t[]> m_runCodes; // [index * 4096 + length], up to the longest
    std::array<std::uint16_t, 256> m_longestRun {};
};
