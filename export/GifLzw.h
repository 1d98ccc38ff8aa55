#pragma once

// GIF's variable-width LZW compression of one image's colour indices, packed into the 255-byte
// sub-blocks of a GIF image block (the minimum code size byte first, the empty block last).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class GifLzw
{
public:
    GifLzw();
    // indices must be below 1 << minCodeSize; minCodeSize is 2 to 8.
    void compress(std::span<const std::uint8_t> indices, int minCodeSize, std::string &out);

private:
    void put(unsigned code);
    void clearTable();
    void flushBlock();

    // The code of every (prefix code, next index) pair, direct-mapped: an entry is
    // generation << 12 | code and counts only when its generation is the current one, so that
    // starting the table afresh is one increment instead of clearing four megabytes.
    std::vector<std::uint32_t> m_table;
    std::uint32_t m_generation = 0;
    std::string *m_out = nullptr;
    std::uint8_t m_block[256];
    unsigned m_blockLength = 0;
    std::uint32_t m_bits = 0; // pending bits, lowest first
    int m_bitCount = 0;
    int m_codeSize = 0;
    unsigned m_maxCode = 0; // the first code that needs one more bit
    unsigned m_nextCode = 0;
};
