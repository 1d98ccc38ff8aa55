#include "export/GifFrame.h"

#include "export/GifLzw.h"
#include "export/GifPalette.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>
#include <span>

namespace {

// The provisional index of a pixel the previous frame already shows.
constexpr std::uint8_t kKept = 255;
// Rectangles of at most this many pixels are cheap to write in every way.
constexpr std::size_t kSmallArea = 128 * 128;

// The smallest rectangle holding every pixel that differs from the previous frame, and in each
// of its rows the first and last such column (first > last: none).
struct Changes
{
    QRect area;
    std::vector<std::pair<int, int>> spans;
};

Changes changesOf(const QImage &frame, const QImage &previous)
{
    const int width = frame.width();
    if (previous.isNull())
        return { frame.rect(),
            std::vector<std::pair<int, int>>(
                static_cast<std::size_t>(frame.height()), { 0, width - 1 }) };
    std::vector<std::pair<int, int>> rows(static_cast<std::size_t>(frame.height()), { width, -1 });
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(QRgb);
    int left = width, right = -1, top = frame.height(), bottom = -1;
    for (int y = 0; y < frame.height(); ++y) {
        const auto *now = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        const auto *before = reinterpret_cast<const QRgb *>(previous.constScanLine(y));
        if (std::memcmp(now, before, rowBytes) == 0)
            continue;
        int first = 0;
        while (now[first] == before[first])
            ++first;
        int last = width - 1;
        while (now[last] == before[last])
            --last;
        rows[static_cast<std::size_t>(y)] = { first, last };
        left = std::min(left, first);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = y;
    }
    // An unchanged picture still takes a frame (one transparent pixel), so that the timing stays
    // one frame per capture.
    if (bottom < 0)
        return { QRect(0, 0, 1, 1), { { 1, 0 } } };
    return { QRect(QPoint(left, top), QPoint(right, bottom)),
        std::vector(rows.begin() + top, rows.begin() + bottom + 1) };
}

// How many of the area's pixels differ from the previous frame (all of them in a first frame).
std::size_t changedPixels(const QImage &frame, const QImage &previous, const Changes &changes)
{
    const QRect area = changes.area;
    if (previous.isNull())
        return static_cast<std::size_t>(area.width()) * static_cast<std::size_t>(area.height());
    std::size_t changed = 0;
    for (int row = 0; row < area.height(); ++row) {
        const auto [first, last] = changes.spans[static_cast<std::size_t>(row)];
        const int y = area.top() + row;
        const auto *now = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        const auto *before = reinterpret_cast<const QRgb *>(previous.constScanLine(y));
        for (int x = first; x <= last; ++x)
            changed += now[x] != before[x];
    }
    return changed;
}

// The indices in `palette` of the area's changed pixels, kKept for the others. `colours` has the
// colour index of every pixel between the first and last change of its row whose colour the
// palette has, else kKept. False when the changes need more colours than fit below kKept.
bool indexChanges(const QImage &frame, const QImage &previous, const Changes &changes,
    GifPalette &palette, std::vector<std::uint8_t> &indices, std::vector<std::uint8_t> &colours)
{
    const QRect area = changes.area;
    const auto width = static_cast<std::size_t>(area.width());
    indices.assign(width * static_cast<std::size_t>(area.height()), kKept);
    colours.assign(indices.size(), kKept);
    auto eachRow = [&](auto visit) {
        for (int row = 0; row < area.height(); ++row) {
            const auto [first, last] = changes.spans[static_cast<std::size_t>(row)];
            const int y = area.top() + row;
            const auto *before = previous.isNull()
                ? nullptr
                : reinterpret_cast<const QRgb *>(previous.constScanLine(y));
            const std::size_t offset
                = static_cast<std::size_t>(row) * width - static_cast<std::size_t>(area.left());
            if (!visit(reinterpret_cast<const QRgb *>(frame.constScanLine(y)), before, first, last,
                    offset))
                return false;
        }
        return true;
    };
    QRgb lastColour = 0;
    int lastIndex = -1;
    const bool fits = eachRow(
        [&](const QRgb *now, const QRgb *before, int first, int last, std::size_t offset) {
            for (int x = first; x <= last; ++x) {
                const QRgb colour = now[x];
                if (before && before[x] == colour)
                    continue;
                if (colour != lastColour || lastIndex < 0) {
                    lastIndex = palette.intern(colour | 0xFF000000u);
                    if (lastIndex < 0 || lastIndex >= kKept)
                        return false;
                    lastColour = colour;
                }
                const auto at = offset + static_cast<std::size_t>(x);
                indices[at] = colours[at] = static_cast<std::uint8_t>(lastIndex);
            }
            return true;
        });
    if (!fits || previous.isNull())
        return fits;
    // The colours of the pixels that stay, now that the palette is complete.
    lastIndex = -1;
    eachRow([&](const QRgb *now, const QRgb *, int first, int last, std::size_t offset) {
        for (int x = first; x <= last; ++x) {
            const auto at = offset + static_cast<std::size_t>(x);
            if (indices[at] != kKept)
                continue;
            if (now[x] != lastColour || lastIndex < 0) {
                lastColour = now[x];
                lastIndex = palette.indexOf(lastColour | 0xFF000000u);
            }
            colours[at] = lastIndex < 0 ? kKept : static_cast<std::uint8_t>(lastIndex);
        }
        return true;
    });
    return true;
}

// Every pixel of the area, with a table of at most 256 colours: exact when the area has no more,
// else the nearest colours of a table Qt picks (a photograph as background).
void indexWhole(
    const QImage &image, QRect area, std::vector<QRgb> &colours, std::vector<std::uint8_t> &indices)
{
    GifPalette palette;
    indices.resize(
        static_cast<std::size_t>(area.width()) * static_cast<std::size_t>(area.height()));
    auto target = indices.begin();
    auto exactly = [&] {
        QRgb lastColour = 0;
        int lastIndex = -1;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = area.left(); x <= area.right(); ++x) {
                if (row[x] != lastColour || lastIndex < 0) {
                    lastColour = row[x];
                    lastIndex = palette.intern(lastColour | 0xFF000000u);
                    if (lastIndex < 0)
                        return false;
                }
                *target++ = static_cast<std::uint8_t>(lastIndex);
            }
        }
        return true;
    };
    if (exactly()) {
        colours = palette.colours();
        return;
    }
    const QImage indexed = image.copy(area).convertToFormat(
        QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const QList<QRgb> table = indexed.colorTable();
    colours.assign(table.begin(), table.end());
    for (int y = 0; y < area.height(); ++y)
        std::copy_n(indexed.constScanLine(y), area.width(),
            indices.begin() + static_cast<std::ptrdiff_t>(y) * area.width());
}

// The minimum code size for a table of `entries` colours.
int codeSizeFor(int entries)
{
    return std::max(
        2, static_cast<int>(std::bit_width(static_cast<unsigned>(std::max(entries, 1) - 1))));
}

void enlarge(std::vector<std::uint8_t> &indices, QSize size, int scale)
{
    if (scale == 1)
        return;
    const std::size_t width = static_cast<std::size_t>(size.width());
    const std::size_t outWidth = width * static_cast<std::size_t>(scale);
    std::vector<std::uint8_t> out(outWidth * static_cast<std::size_t>(size.height() * scale));
    auto target = out.begin();
    for (int y = 0; y < size.height(); ++y) {
        const auto rowStart = target;
        for (std::size_t x = 0; x < width; ++x)
            target = std::fill_n(target, scale, indices[static_cast<std::size_t>(y) * width + x]);
        for (int copy = 1; copy < scale; ++copy)
            target = std::copy(rowStart, rowStart + static_cast<std::ptrdiff_t>(outWidth), target);
    }
    indices.swap(out);
}

} // namespace

// Longer than the others: the ways it tries share one running best, which pieces would pass
// back and forth.
GifFrame GifFrame::parse(const QImage &frame, const QImage &previous, int scale, int delayCs)
{
    const Changes changes = changesOf(frame, previous);
    const QRect area = changes.area;
    GifFrame out;
    out.area = QRect(area.topLeft() * scale, area.size() * scale);
    out.delayCs = delayCs;

    thread_local GifLzw lzw;
    thread_local std::vector<std::uint16_t> codes;
    // One way of writing the frame: its indices, its table, how pixels that stay are written.
    struct Way
    {
        std::span<const std::uint8_t> indices;
        const std::vector<QRgb> *table;
        std::optional<GifLzw::Transparency> transparency;
    };
    std::optional<Way> best;
    bool bestFilled = false;
    bool bestParsedLast = false; // so that parsing it again may start where its table filled
    // Parses a way and keeps it when it has fewer codes than the best so far. A parse that fills
    // the code table holds for a table as small as this one at most.
    auto tryWay = [&](const Way &way, double keepFull, double laterKeepFull) {
        const GifLzw::Transparency *transparency = way.transparency ? &*way.transparency : nullptr;
        const int transparentIndex = transparency ? transparency->index : -1;
        const int codeSize
            = codeSizeFor(std::max(transparentIndex + 1, static_cast<int>(way.table->size())));
        const bool holdsForAll = keepFull > 0 && bestParsedLast
            ? lzw.parseAgain(keepFull, codes, laterKeepFull)
            : lzw.parse(way.indices, codeSize, codes, transparency, keepFull);
        const bool better = out.codes.empty() || codes.size() < out.codes.size();
        if (keepFull == 0)
            bestParsedLast = better;
        if (better) {
            out.codes.swap(codes);
            out.colours = *way.table;
            out.transparent = transparentIndex;
            out.widestCodeSize = holdsForAll ? 8 : codeSize;
            bestFilled = !holdsForAll;
            best = way;
        }
    };

    thread_local std::vector<std::uint8_t> indices, colours, whole;
    thread_local GifPalette palette;
    palette.clear();
    // Where most pixels changed, pixels that stay written as their colours make fewer codes
    // than transparency except in a small rectangle, where trying both costs little; so a large
    // one is written whole without indexing its changes.
    const auto pixels
        = static_cast<std::size_t>(area.width()) * static_cast<std::size_t>(area.height());
    const bool largeAndMostlyChanged = pixels > kSmallArea && [&] {
        const std::size_t changed = changedPixels(frame, previous, changes);
        return changed < pixels && (pixels - changed) * 2 < pixels;
    }();
    const bool exact = !largeAndMostlyChanged
        && indexChanges(frame, previous, changes, palette, indices, colours);
    const auto kept
        = exact ? static_cast<std::size_t>(std::count(indices.begin(), indices.end(), kKept)) : 0;
    const bool mostlyChanged = !exact || kept * 2 < pixels;
    // Where none stays, both ways are the same.
    const bool tryWhole = mostlyChanged && (!exact || kept > 0);
    const bool tryChanges = exact && (!mostlyChanged || kept == 0 || pixels <= kSmallArea);
    if (tryChanges) {
        const auto transparent = static_cast<std::uint8_t>(palette.size());
        if (kept > 0) {
            // A select on every byte rather than a conditional store: the compiler vectorises it.
            for (std::vector<std::uint8_t> *bytes : { &indices, &colours })
                std::transform(bytes->begin(), bytes->end(), bytes->begin(),
                    [transparent](std::uint8_t at) { return at == kKept ? transparent : at; });
            enlarge(colours, area.size(), scale);
        }
        enlarge(indices, area.size(), scale);
        Way way { indices, &palette.colours(), std::nullopt };
        if (kept > 0)
            way.transparency = GifLzw::Transparency { transparent, colours };
        tryWay(way, 0, 0);
        if (kept > 0 && !mostlyChanged) {
            // Which choice for the pixels that stay makes fewer codes depends on the picture, and
            // the longest string now is not always the best for the strings after it.
            using Prefer = GifLzw::Transparency::Prefer;
            const std::pair<Prefer, bool> ways[] = { { Prefer::Transparency, true },
                { Prefer::Colour, true }, { Prefer::Transparency, false } };
            for (const auto &[prefer, everyString] : ways) {
                way.transparency->prefer = prefer;
                way.transparency->everyString = everyString;
                tryWay(way, 0, 0);
            }
        }
    }
    std::vector<QRgb> wholeTable;
    if (tryWhole) {
        // Mostly changed (a scrolled map) or too many colours: the whole rectangle as it is.
        indexWhole(frame, area, wholeTable, whole);
        enlarge(whole, area.size(), scale);
        tryWay({ whole, &wholeTable, std::nullopt }, 0, 0);
    }
    // The best way, when it filled the code table, tried again keeping the full table a while
    // (with 8-bit codes too: a table that fills is not one that holds for every size).
    if (bestFilled) {
        const Way way = *best;
        const bool again = bestParsedLast;
        tryWay(way, 1.0, again ? 1.3 : 0);
        // The second keeps a full table no longer than the first: it is the first until it
        // starts afresh where the first keeps the table, and the same where it never does.
        if (!again || !lzw.sameAgain(1.3))
            tryWay(way, 1.3, 0);
    }
    return out;
}
