#include "export/GifLzw.h"

#include <algorithm>

namespace {
constexpr unsigned kLargestCode = 4095;
constexpr std::uint32_t kLastGeneration = (1u << 20) - 1;
} // namespace

GifLzw::GifLzw()
    : m_table(std::size_t { 4096 } * 256, 0)
{
}

void GifLzw::clearTable()
{
    if (++m_generation > kLastGeneration) {
        std::fill(m_table.begin(), m_table.end(), 0);
        m_generation = 1;
    }
}

void GifLzw::flushBlock()
{
    m_out->push_back(static_cast<char>(m_blockLength));
    m_out->append(reinterpret_cast<const char *>(m_block), m_blockLength);
    m_blockLength = 0;
}

void GifLzw::put(unsigned code)
{
    m_bits |= static_cast<std::uint32_t>(code) << m_bitCount;
    m_bitCount += m_codeSize;
    while (m_bitCount >= 8) {
        m_block[m_blockLength++] = static_cast<std::uint8_t>(m_bits);
        if (m_blockLength == 255)
            flushBlock();
        m_bits >>= 8;
        m_bitCount -= 8;
    }
    // The decoder widens its codes as soon as the table it builds needs the next bit.
    if (m_nextCode >= m_maxCode && m_codeSize < 12) {
        ++m_codeSize;
        m_maxCode = 1u << m_codeSize;
    }
}

void GifLzw::compress(std::span<const std::uint8_t> indices, int minCodeSize, std::string &out)
{
    m_out = &out;
    out.push_back(static_cast<char>(minCodeSize));
    m_blockLength = 0;
    m_bits = 0;
    m_bitCount = 0;
    const unsigned clearCode = 1u << minCodeSize;
    const unsigned endCode = clearCode + 1;
    auto reset = [&] {
        m_codeSize = minCodeSize + 1;
        m_maxCode = 1u << m_codeSize;
        m_nextCode = endCode + 1;
    };
    reset();
    put(clearCode);
    clearTable();

    if (!indices.empty()) {
        unsigned prefix = indices[0];
        for (std::size_t i = 1; i < indices.size(); ++i) {
            const unsigned index = indices[i];
            std::uint32_t &entry = m_table[(prefix << 8) | index];
            if ((entry >> 12) == m_generation) {
                prefix = entry & 0xFFFu;
                continue;
            }
            put(prefix);
            if (m_nextCode >= kLargestCode) {
                put(clearCode);
                clearTable();
                reset();
            } else {
                entry = (m_generation << 12) | m_nextCode++;
            }
            prefix = index;
        }
        put(prefix);
    }
    put(endCode);
    if (m_bitCount > 0) {
        m_block[m_blockLength++] = static_cast<std::uint8_t>(m_bits);
        m_bits = 0;
        m_bitCount = 0;
    }
    if (m_blockLength > 0)
        flushBlock();
    out.push_back('\0');
}
