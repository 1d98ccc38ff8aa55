#include "export/GifLzw.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {
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

// Only the run codes up to each index's longest run are read, so they need no clearing.
GifLzw::GifLzw()
    : m_slots(kSlots, 0)
    , m_runCodes(new std::uint16_t[kRunSlots * 256])
{
}

void GifLzw::clearTable()
{
    for (unsigned used = 0; used < m_usedCount; ++used)
        m_slots[m_used[used]] = 0;
    m_usedCount = 0;
    m_longestRun.fill(1);
    for (unsigned index = 0; index < 256; ++index)
        m_runCodes[256 + index] = static_cast<std::uint16_t>(index);
}

bool GifLzw::parse(std::span<const std::uint8_t> indices, int widestCodeSize,
    std::vector<std::uint16_t> &codes, const Transparency *transparency, double keepFull)
{
    m_indices = indices;
    m_widestCodeSize = widestCodeSize;
    m_transparency.reset();
    if (transparency)
        m_transparency = *transparency;
    codes.clear();
    clearTable();
    if (indices.empty())
        return true;
    State state;
    const unsigned clear = transparency ? transparency->index : 256;
    const unsigned first = indices[0] == clear && transparency->colours[0] != clear
            && transparency->prefer == Transparency::Prefer::Colour
        ? transparency->colours[0]
        : indices[0];
    state.matches[0] = { first, first, 1 };
    m_later = {};
    return parseFrom(state, codes, keepFull, keepFull == 0, 0);
}

bool GifLzw::parseAgain(double keepFull, std::vector<std::uint16_t> &codes, double laterKeepFull)
{
    if (keepFull == m_later.keepFull && m_later.at) {
        // The same as the last until it starts afresh.
        State state = m_later.state;
        codes = m_later.codes;
        codes.push_back(kClear);
        clearTable();
        state.strings = 0;
        state.segmentStart = *m_later.at;
        state.segmentCodes = 0;
        m_later = { laterKeepFull, std::nullopt, {}, {} };
        return parseFrom(state, codes, keepFull, false, laterKeepFull);
    }
    m_later = { laterKeepFull, std::nullopt, {}, {} };
    clearTable();
    std::copy(m_filled.table.begin(), m_filled.table.end(), m_slots.begin());
    m_used = m_filled.used;
    m_usedCount = m_filled.usedCount;
    m_longestRun = m_filled.longestRun;
    for (const auto &[at, code] : m_filled.runCodes)
        m_runCodes[at] = code;
    codes = m_filled.codes;
    return parseFrom(m_filled.state, codes, keepFull, false, laterKeepFull);
}

void GifLzw::keepFilled(const State &state, const std::vector<std::uint16_t> &codes)
{
    m_filled.state = state;
    m_filled.codes = codes;
    m_filled.table = m_slots;
    m_filled.used = m_used;
    m_filled.usedCount = m_usedCount;
    m_filled.longestRun = m_longestRun;
    m_filled.runCodes.clear();
    for (std::uint32_t index = 0; index < 256; ++index) {
        for (std::uint32_t length = 2; length <= m_longestRun[index]; ++length)
            m_filled.runCodes.emplace_back(length * 256 + index, m_runCodes[length * 256 + index]);
    }
}

// One loop kept whole, longer than the others: the string being matched and the table's state
// stay in registers through it, which is where the encoder spends its time.
bool GifLzw::parseFrom(State state, std::vector<std::uint16_t> &codes, double keepFull, bool keep,
    double laterKeepFull)
{
    const std::size_t count = m_indices.size();
    const Transparency *transparency = m_transparency ? &*m_transparency : nullptr;
    const int widestCodeSize = m_widestCodeSize;
    // Strings are numbered from the first code after the clear and end codes, as in the file
    // with the widest table, so that every code fits the table's slots; the parse writes the
    // n-th string as 256 + n, whatever table it is later packed for.
    const unsigned firstString = (1u << widestCodeSize) + 2;
    const unsigned capacity = 4095 - firstString;
    auto parsed = [&](unsigned code) {
        return static_cast<std::uint16_t>(code < firstString ? code : code - firstString + 256);
    };
    constexpr unsigned kWindow = 512;
    auto &[matches, alive, i, strings, filled, segmentStart, segmentCodes, windowStart, windowCodes,
        fullRatio]
        = state;
    const std::uint8_t *data = m_indices.data();
    const std::uint8_t *colours = transparency ? transparency->colours.data() : data;
    const unsigned clear = transparency ? transparency->index : 256;
    using Prefer = Transparency::Prefer;
    const Prefer prefer = transparency ? transparency->prefer : Prefer::Neighbour;
    const std::size_t followed = transparency && !transparency->everyString ? 1 : 4;
    // The indices a pixel may take, the likelier first: a pixel that stays is transparent amid
    // transparency and its own colour amid colours.
    auto choices = [&](std::size_t at, unsigned after) -> std::pair<unsigned, unsigned> {
        const unsigned index = data[at];
        if (index != clear || colours[at] == clear)
            return { index, index };
        const bool clearFirst
            = prefer == Prefer::Transparency || (prefer == Prefer::Neighbour && after == clear);
        return clearFirst ? std::pair(index, unsigned(colours[at]))
                          : std::pair(unsigned(colours[at]), index);
    };

    std::array<Match, 4> next;
    bool keepNow = false, keepLater = false;
    while (i < count) {
        Match &only = matches[0];
        if (alive == 1 && only.run > 0 && only.run < m_longestRun[only.last]
            && choices(i, only.last).first == only.last) {
            // A run walks the strings of the repeated index by counting.
            const std::size_t more = runLength((only.last == clear ? data : colours) + i,
                std::min(count - i, m_longestRun[only.last] - only.run),
                static_cast<std::uint8_t>(only.last));
            only.run += more;
            only.code = m_runCodes[only.run * 256 + only.last];
            i += more;
            continue;
        }
        // One string and pixels of one index each, as in most of a picture: one look-up a pixel
        // while the string goes on (a run of one index goes on by counting instead).
        auto plain = [&](std::size_t at) { return data[at] != clear || colours[at] == clear; };
        bool ended = false;
        if (alive == 1 && plain(i) && (only.run == 0 || data[i] != only.last)) {
            const std::size_t from = i;
            unsigned code = only.code, last = only.last;
            for (; i < count && plain(i); ++i) {
                const unsigned longer = find(code, data[i]);
                if (longer == 0) {
                    ended = true;
                    break;
                }
                code = longer;
                last = data[i];
            }
            if (i > from)
                only = { code, last, 0 };
            if (i == count)
                break;
        }
        if (!ended) {
            std::size_t found = 0;
            for (std::size_t m = 0; m < alive; ++m) {
                const auto [likely, other] = choices(i, matches[m].last);
                const unsigned options[2] = { likely, other };
                const Match &match = matches[m];
                for (std::size_t k = 0; k < (likely == other ? 1u : 2u) && found < followed; ++k) {
                    const unsigned index = options[k];
                    if (match.run > 0 && index == match.last) {
                        if (match.run < m_longestRun[index])
                            next[found++] = { m_runCodes[(match.run + 1) * 256 + index], index,
                                match.run + 1 };
                    } else if (const unsigned code = find(match.code, index)) {
                        next[found++] = { code, index, 0 };
                    }
                }
            }
            if (found > 0) {
                matches = next; // a few words, no call
                alive = found;
                ++i;
                continue;
            }
        }
        // No string goes further: the likeliest is written and grows by the next index.
        const Match &match = matches[0];
        const unsigned index = choices(i, match.last).first;
        codes.push_back(parsed(match.code));
        ++segmentCodes;
        if (strings < capacity) {
            const unsigned code = firstString + strings++;
            add(match.code, index, code);
            if (match.run > 0 && index == match.last) {
                m_runCodes[(match.run + 1) * 256 + index] = static_cast<std::uint16_t>(code);
                m_longestRun[index] = static_cast<std::uint16_t>(match.run + 1);
            }
            if (strings == capacity) {
                filled = true;
                fullRatio
                    = static_cast<double>(i - segmentStart) / static_cast<double>(segmentCodes);
                windowStart = i;
                windowCodes = 0;
                keepNow = keep;
                keep = false; // only where it first fills
            }
        } else if (keepFull == 0 || ++windowCodes == kWindow) {
            // A full table is kept while it compresses `keepFull` times as well as it did on
            // average while it was built; then a fresh one starts.
            const auto windowPixels = static_cast<double>(i - windowStart);
            const bool afresh = keepFull == 0 || windowPixels < fullRatio * keepFull * kWindow;
            if (!afresh && laterKeepFull > 0 && !m_later.at
                && windowPixels < fullRatio * laterKeepFull * kWindow) {
                m_later.at = i;
                keepLater = true;
            }
            if (afresh) {
                codes.push_back(kClear);
                clearTable();
                strings = 0;
                segmentStart = i;
                segmentCodes = 0;
            }
            windowStart = i;
            windowCodes = 0;
        }
        matches[0] = { index, index, 1 };
        alive = 1;
        ++i;
        if (keepNow) {
            keepFilled(state, codes);
            keepNow = false;
        }
        if (keepLater) {
            m_later.state = state;
            m_later.codes = codes;
            keepLater = false;
        }
    }
    codes.push_back(parsed(matches[0].code));
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
