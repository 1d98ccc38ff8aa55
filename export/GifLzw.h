#pragma once

// GIF's variable-width LZW compression of one image's colour indices, in two steps: the parse
// into codes, which holds for any colour table the indices are later mapped to, and the packing
// of those codes into the 255-byte sub-blocks of a GIF image block.

#include <array>
#include <cstdint>
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
    std::uint32_t *find(unsigned prefix, unsigned index)
    {
        std::uint32_t &entry = m_table[(prefix << 8) | index];
        return (entry >> 13) == m_generation ? &entry : nullptr;
    }

    // The code of every (prefix code, next index) pair, direct-mapped: an entry is
    // generation << 13 | code and counts only when its generation is the current one, so that
    // starting the table afresh is one increment instead of clearing four megabytes.
    std::vector<std::uint32_t> m_table;
    std::uint32_t m_generation = 0;
    // Runs of one index (most of a frame that changed little) skip the per-pixel look-ups: the
    // codes of index^1 … index^longest are kept in order, and a run walks them by counting.
    std::vector<std::uint16_t> m_runCodes; // [index * 4096 + length]
    std::array<std::uint16_t, 256> m_longestRun {};
};
