#include "export/GifLzw.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {
constexpr unsigned kLargestCode = 4095;
constexpr std::uint32_t kLastGeneration = (1u << 20) - 1;
constexpr std::size_t kRunSlots = 4096;

// How many of the first `limit` bytes at `from` equal `value`.
std::size_t runLength(const std::uint8_t *from, std::size_t limit, std::uint8_t value)
{
    const std::uint64_t pattern = 0x0101010101010101ull * value;
    std::size_t count = 0;
    while (count + 8 <= limit) {
        std::uint64_t word;
        std::memcpy(&word, from + count, 8);
        if (const std::uint64_t differ = word ^ pattern; differ != 0)
            return count + static_cast<std::size_t>(std::countr_zero(differ) / 8);
        count += 8;
    }
    while (count < limit && from[count] == value)
        ++count;
    return count;
}
} // namespace

GifLzw::GifLzw()
    : m_table(std::size_t { 4096 } * 256, 0)
    , m_runCodes(kRunSlots * 256, 0)
{
}

void GifLzw::clearTable()
{
    if (++m_generation > kLastGeneration) {
        std::fill(m_table.begin(), m_table.end(), 0);
        m_generation = 1;
    }
    std::fill(std::begin(m_longestRun), std::end(m_longestRun), std::uint16_t { 1 });
    for (unsigned index = 0; index < 256; ++index)
        m_runCodes[index * kRunSlots + 1] = static_cast<std::uint16_t>(index);
}

void GifLzw::flushBlock()
{
    m_out->push_back(static_cast<char>(m_blockLength));
    m_out->append(reinterpret_cast<const char *>(m_block), m_blockLength);
    m_blockLength = 0;
}

void GifLzw::put(unsigned code)
{
    ++m_codes;
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

std::size_t GifLzw::compress(std::span<const std::uint8_t> indices, int minCodeSize,
    std::string &out, const Transparency *transparency)
{
    m_out = &out;
    out.push_back(static_cast<char>(minCodeSize));
    m_blockLength = 0;
    m_bits = 0;
    m_bitCount = 0;
    m_codes = 0;
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

    const std::size_t count = indices.size();
    const std::uint8_t *data = indices.data();
    if (count > 0) {
        unsigned prefix = data[0];
        // While the string so far is one index repeated: that index and how often; else run is 0.
        unsigned runIndex = prefix;
        std::size_t run = 1;
        std::size_t i = 1;
        while (i < count) {
            const unsigned index = data[i];
            if (run > 0 && index == runIndex) {
                if (const std::size_t longest = m_longestRun[index]; run < longest) {
                    const std::size_t more = runLength(data + i, std::min(count - i, longest - run),
                        static_cast<std::uint8_t>(index));
                    run += more;
                    i += more;
                    prefix = m_runCodes[index * kRunSlots + run];
                    continue;
                }
            } else if (const std::uint32_t *entry = find(prefix, index)) {
                prefix = *entry & 0xFFFu;
                run = 0;
                ++i;
                continue;
            }
            if (transparency && index == transparency->index) {
                const int kept = transparency->colourAt(i);
                const std::uint32_t *entry = kept >= 0 && static_cast<unsigned>(kept) != index
                    ? find(prefix, static_cast<unsigned>(kept))
                    : nullptr;
                if (entry) {
                    prefix = *entry & 0xFFFu;
                    run = 0;
                    ++i;
                    continue;
                }
            }
            put(prefix);
            if (m_nextCode >= kLargestCode) {
                put(clearCode);
                clearTable();
                reset();
            } else {
                m_table[(prefix << 8) | index] = (m_generation << 12) | m_nextCode;
                if (run > 0 && index == runIndex) {
                    m_runCodes[index * kRunSlots + run + 1]
                        = static_cast<std::uint16_t>(m_nextCode);
                    m_longestRun[index] = static_cast<std::uint16_t>(run + 1);
                }
                ++m_nextCode;
            }
            prefix = index;
            runIndex = index;
            run = 1;
            ++i;
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
    return m_codes;
}
