#include "export/GifLzw.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {
// A parse numbers its strings from 256 on, so its codes take 13 bits.
constexpr unsigned kCodeBits = 13;
constexpr std::uint32_t kLastGeneration = (1u << (32 - kCodeBits)) - 1;
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

// Walks the codes as the decoder reads them: emit(code, width) for each, clear and end codes
// included, indices replaced by `palette`, with the width that the decoder's growing table asks
// for at that point.
template <typename Emit>
void walk(std::span<const std::uint16_t> codes, const std::array<std::uint8_t, 256> &palette,
    int minCodeSize, Emit emit)
{
    const unsigned clearCode = 1u << minCodeSize;
    const unsigned firstString = clearCode + 2;
    int width = minCodeSize + 1;
    unsigned nextCode = firstString;
    auto put = [&](unsigned code) {
        emit(code, width);
        // The decoder widens its codes as soon as the table it builds needs the next bit.
        if (nextCode >= (1u << width) && width < 12)
            ++width;
    };
    put(clearCode);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const unsigned code = codes[i];
        if (code == GifLzw::kClear) {
            put(clearCode);
            width = minCodeSize + 1;
            nextCode = firstString;
            continue;
        }
        put(code < 256 ? palette[code] : firstString + (code - 256));
        // Every code but the last and one before a clear adds a string to the table.
        if (i + 1 < codes.size() && codes[i + 1] != GifLzw::kClear)
            ++nextCode;
    }
    put(clearCode + 1);
}
} // namespace

GifLzw::GifLzw()
    : m_table((std::size_t { 256 } + 4096) * 256, 0)
    , m_runCodes(kRunSlots * 256, 0)
{
}

void GifLzw::clearTable()
{
    if (++m_generation > kLastGeneration) {
        std::fill(m_table.begin(), m_table.end(), 0);
        m_generation = 1;
    }
    m_longestRun.fill(1);
    for (unsigned index = 0; index < 256; ++index)
        m_runCodes[index * kRunSlots + 1] = static_cast<std::uint16_t>(index);
}

bool GifLzw::parse(std::span<const std::uint8_t> indices, int widestCodeSize,
    std::vector<std::uint16_t> &codes, const Transparency *transparency)
{
    codes.clear();
    clearTable();
    const std::size_t count = indices.size();
    if (count == 0)
        return true;
    const unsigned capacity = 4095 - ((1u << widestCodeSize) + 2);
    bool filled = false;
    const std::uint8_t *data = indices.data();
    // Where a pixel may be either, the choice follows the string so far: transparent amid
    // transparency, its own colour amid colours.
    const std::uint8_t *colours = transparency ? transparency->colours.data() : data;
    const unsigned clear = transparency ? transparency->index : 256;
    const bool follow = transparency && transparency->followColours;
    auto choices = [&](std::size_t at, bool amidClear) -> std::pair<unsigned, unsigned> {
        const unsigned index = data[at];
        if (index != clear || colours[at] == clear)
            return { index, index };
        return amidClear || !follow ? std::pair(index, unsigned(colours[at]))
                                    : std::pair(unsigned(colours[at]), index);
    };

    unsigned strings = 0;
    unsigned prefix = choices(0, true).first;
    bool amidClear = prefix == clear;
    // While the string so far is one index repeated: that index and how often; else run is 0.
    unsigned runIndex = prefix;
    std::size_t run = 1;
    std::size_t i = 1;
    while (i < count) {
        const auto [index, other] = choices(i, amidClear);
        if (run > 0 && index == runIndex) {
            if (const std::size_t longest = m_longestRun[index]; run < longest) {
                const std::size_t more = runLength((index == clear ? data : colours) + i,
                    std::min(count - i, longest - run), static_cast<std::uint8_t>(index));
                run += more;
                i += more;
                prefix = m_runCodes[index * kRunSlots + run];
                continue;
            }
        } else if (const std::uint32_t *entry = find(prefix, index)) {
            prefix = *entry & ((1u << kCodeBits) - 1);
            amidClear = index == clear;
            run = 0;
            ++i;
            continue;
        }
        if (other != index) {
            if (const std::uint32_t *entry = find(prefix, other)) {
                prefix = *entry & ((1u << kCodeBits) - 1);
                amidClear = other == clear;
                run = 0;
                ++i;
                continue;
            }
        }
        codes.push_back(static_cast<std::uint16_t>(prefix));
        if (strings == capacity) {
            filled = true;
            codes.push_back(kClear);
            clearTable();
            strings = 0;
        } else {
            const unsigned code = 256 + strings++;
            m_table[(prefix << 8) | index] = (m_generation << kCodeBits) | code;
            if (run > 0 && index == runIndex) {
                m_runCodes[index * kRunSlots + run + 1] = static_cast<std::uint16_t>(code);
                m_longestRun[index] = static_cast<std::uint16_t>(run + 1);
            }
        }
        prefix = index;
        amidClear = index == clear;
        runIndex = index;
        run = 1;
        ++i;
    }
    codes.push_back(static_cast<std::uint16_t>(prefix));
    return !filled;
}

void GifLzw::pack(std::span<const std::uint16_t> codes,
    const std::array<std::uint8_t, 256> &palette, int minCodeSize, std::string &out)
{
    out.push_back(static_cast<char>(minCodeSize));
    std::uint8_t block[256];
    unsigned length = 0;
    std::uint32_t bits = 0; // pending bits, lowest first
    int bitCount = 0;
    auto flush = [&] {
        out.push_back(static_cast<char>(length));
        out.append(reinterpret_cast<const char *>(block), length);
        length = 0;
    };
    walk(codes, palette, minCodeSize, [&](unsigned code, int width) {
        bits |= code << bitCount;
        bitCount += width;
        while (bitCount >= 8) {
            block[length++] = static_cast<std::uint8_t>(bits);
            if (length == 255)
                flush();
            bits >>= 8;
            bitCount -= 8;
        }
    });
    if (bitCount > 0)
        block[length++] = static_cast<std::uint8_t>(bits);
    if (length > 0)
        flush();
    out.push_back('\0');
}

std::size_t GifLzw::packedSize(std::span<const std::uint16_t> codes, int minCodeSize)
{
    static constexpr std::array<std::uint8_t, 256> kAny {};
    std::size_t bits = 0;
    walk(codes, kAny, minCodeSize,
        [&](unsigned, int width) { bits += static_cast<std::size_t>(width); });
    const std::size_t bytes = (bits + 7) / 8;
    return 1 + bytes + (bytes + 254) / 255 + 1;
}
