#pragma once

// GIF's variable-width LZW compression of one image's colour indices, packed into the 255-byte
// sub-blocks of a GIF image block (the minimum code size byte first, the empty block last).

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

class GifLzw
{
public:
    // A frame drawn over the previous one: pixels holding `index` are transparent, and each of
    // them may as well be written as the colour it keeps (colourAt(position), or -1 when that
    // colour has no index), whichever makes the longer string.
    struct Transparency
    {
        std::uint8_t index = 0;
        std::function<int(std::size_t)> colourAt;
    };

    GifLzw();
    // indices must be below 1 << minCodeSize; minCodeSize is 2 to 8. Returns the codes written.
    std::size_t compress(std::span<const std::uint8_t> indices, int minCodeSize, std::string &out,
        const Transparency *transparency = nullptr);

private:
    void put(unsigned code);
    void clearTable();
    void flushBlock();
    std::uint32_t *find(unsigned prefix, unsigned index)
    {
        std::uint32_t &entry = m_table[(prefix << 8) | index];
        return (entry >> 12) == m_generation ? &entry : nullptr;
    }

    // The code of every (prefix code, next index) pair, direct-mapped: an entry is
    // generation << 12 | code and counts only when its generation is the current one, so that
    // starting the table afresh is one increment instead of clearing four megabytes.
    std::vector<std::uint32_t> m_table;
    std::uint32_t m_generation = 0;
    // Runs of one index (most of a frame that changed little) skip the per-pixel look-ups: the
    // codes of index^1 … index^longest are kept in order, and a run walks them by counting.
    std::vector<std::uint16_t> m_runCodes; // [index * 4096 + length]
    std::uint16_t m_longestRun[256];
    std::string *m_out = nullptr;
    std::uint8_t m_block[256];
    unsigned m_blockLength = 0;
    std::uint32_t m_bits = 0; // pending bits, lowest first
    int m_bitCount = 0;
    int m_codeSize = 0;
    unsigned m_maxCode = 0; // the first code that needs one more bit
    unsigned m_nextCode = 0;
    std::size_t m_codes = 0;
};
