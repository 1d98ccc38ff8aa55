#pragma once

// GIF's variable-width LZW compression of one image's colour indices, in two steps: the parse
// into codes, which holds for any colour table the indices are later mapped to, and the packing
// of those codes into the 255-byte sub-blocks of a GIF image block.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
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
    // The last parse again, its indices still in place, with keepFull > 0: the parses are the
    // same until the table first fills, so only what follows is parsed again. The last parse
    // must have filled its table with keepFull 0. With laterKeepFull above keepFull, notes
    // where a parse again with it first starts afresh instead, and goes on from there when it
    // comes next.
    bool parseAgain(double keepFull, std::vector<std::uint16_t> &codes, double laterKeepFull = 0);
    // True when a parse again with keepFull would give the codes the last one gave.
    bool sameAgain(double keepFull) const { return keepFull == m_later.keepFull && !m_later.at; }

    // The image data of a parse, its indices replaced by `palette`: minCodeSize (2 to 8) must
    // hold every replaced index.
    static void pack(std::span<const std::uint16_t> codes,
        const std::array<std::uint8_t, 256> &palette, int minCodeSize, std::string &out);
    // The bytes pack() writes.
    static std::size_t packedSize(std::span<const std::uint16_t> codes, int minCodeSize);

private:
    // A string that matches the pixels so far: its code, its last index, and its length while
    // it is that index repeated (else 0).
    struct Match
    {
        unsigned code, last;
        std::size_t run;
    };
    // Where a parse is: the strings that match, the likeliest first, the next pixel, and how
    // well the table compresses.
    struct State
    {
        std::array<Match, 4> matches;
        std::size_t alive = 1, at = 1;
        unsigned strings = 0;
        bool filled = false;
        // Pixels per code while the table was built, and the codes and pixels since it was full.
        std::size_t segmentStart = 0, segmentCodes = 0, windowStart = 0;
        unsigned windowCodes = 0;
        double fullRatio = 0;
    };
    // Parses on from `state`; keeps the state where the table first fills when `keep`.
    bool parseFrom(State state, std::vector<std::uint16_t> &codes, double keepFull, bool keep,
        double laterKeepFull);
    void keepFilled(const State &state, const std::vector<std::uint16_t> &codes);
    void clearTable();
    // The code of the string `prefix` followed by `index`, or 0 when the table lacks it.
    unsigned find(unsigned prefix, unsigned index) const
    {
        const std::uint32_t key = (prefix << 8) | index;
        for (unsigned slot = slotOf(key);; slot = (slot + 1) & (kSlots - 1)) {
            const std::uint32_t entry = m_slots[slot];
            if (entry == 0)
                return 0;
            if ((entry >> kCodeBits) == key)
                return entry & ((1u << kCodeBits) - 1);
        }
    }
    void add(unsigned prefix, unsigned index, unsigned code)
    {
        const std::uint32_t key = (prefix << 8) | index;
        unsigned slot = slotOf(key);
        while (m_slots[slot] != 0)
            slot = (slot + 1) & (kSlots - 1);
        m_slots[slot] = (key << kCodeBits) | code;
        m_used[m_usedCount++] = static_cast<std::uint16_t>(slot);
    }

    // The strings of the code table by (prefix code, next index), open addressing over twice
    // the 4,096 codes in 32 KB, so that look-ups stay in the fastest cache and probe about
    // once. A slot is prefix << 20 | index << 12 | code, with codes numbered as in the file
    // (strings after the clear and end codes, so below 4,096), 0 where empty. Starting afresh
    // empties only the slots used.
    static constexpr unsigned kSlotBits = 13;
    static constexpr unsigned kSlots = 1u << kSlotBits;
    static constexpr unsigned kCodeBits = 12;
    static unsigned slotOf(std::uint32_t key) { return (key * 2654435761u) >> (32 - kSlotBits); }
    std::vector<std::uint32_t> m_slots;
    std::array<std::uint16_t, 4096> m_used;
    unsigned m_usedCount = 0;
    // Runs of one index (most of a frame that changed little) skip the per-pixel look-ups: the
    // codes of index^1 … index^longest are kept in order, and a run walks them by counting.
    std::unique_ptr<std::uint16_t[]> m_runCodes; // [length * 256 + index], up to the longest
    std::array<std::uint16_t, 256> m_longestRun {};

    // The last parse's input, and where its table first filled.
    std::span<const std::uint8_t> m_indices;
    int m_widestCodeSize = 8;
    std::optional<Transparency> m_transparency;
    struct Filled
    {
        State state;
        std::vector<std::uint16_t> codes;
        std::vector<std::uint32_t> table;
        std::array<std::uint16_t, 4096> used;
        unsigned usedCount = 0;
        std::array<std::uint16_t, 256> longestRun;
        std::vector<std::pair<std::uint32_t, std::uint16_t>> runCodes; // beyond length 1
    } m_filled;
    // Where a parse again with a larger keepFull would first have started afresh.
    struct Later
    {
        double keepFull = 0;
        std::optional<std::size_t> at; // the pixel where it would have
        State state; // the state after that pixel, the table kept
        std::vector<std::uint16_t> codes;
    } m_later;
};
