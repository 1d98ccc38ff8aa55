#include "export/GifEncoder.h"

#include "export/GifLzw.h"
#include "export/GifPalette.h"
#include "export/OutputFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace {

// The provisional index of a pixel the previous frame already shows, until the frame's
// transparent index is chosen.
constexpr std::uint8_t kKept = 255;
// Frames whose changes cover no more pixels than this are written both ways, with the file's
// colour table and with their own, and the smaller is kept; larger ones use the file's.
constexpr int kSmallFrame = 4096;

void putWord(std::string &out, int value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void putTable(std::string &out, const std::vector<QRgb> &colours, int bits)
{
    for (std::size_t i = 0; i < (std::size_t { 1 } << bits); ++i) {
        const QRgb colour = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        out.push_back(static_cast<char>(qRed(colour)));
        out.push_back(static_cast<char>(qGreen(colour)));
        out.push_back(static_cast<char>(qBlue(colour)));
    }
}

std::string header(QSize size, int plays, const GifPalette *global)
{
    std::string out = "GIF89a";
    putWord(out, size.width());
    putWord(out, size.height());
    if (global) {
        const int bits = global->bitsWith(0);
        out.push_back(static_cast<char>(0xF0 | (bits - 1))); // 8-bit colour resolution
        out += std::string("\x00\x00", 2);
        putTable(out, global->colours(), bits);
    } else {
        out += std::string("\x70\x00\x00", 3);
    }
    if (plays != 1) {
        // A viewer plays the animation once and then repeats it this many times (0: forever).
        out += std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
        putWord(out, plays == 0 ? 0 : plays - 1);
        out.push_back('\0');
    }
    return out;
}

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
        return { frame.rect(), std::vector<std::pair<int, int>>(frame.height(), { 0, width - 1 }) };
    std::vector<std::pair<int, int>> rows(frame.height(), { width, -1 });
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

// The indices of the area's changed pixels as `indexOf` gives them, kKept for the others; false
// when a colour has no index below kKept. `used` marks the indices of changed pixels.
template <typename IndexOf>
bool indexChanges(const QImage &frame, const QImage &previous, const Changes &changes,
    IndexOf indexOf, std::vector<std::uint8_t> &indices, std::array<bool, 256> &used)
{
    const QRect area = changes.area;
    const auto width = static_cast<std::size_t>(area.width());
    indices.assign(width * static_cast<std::size_t>(area.height()), kKept);
    used.fill(false);
    QRgb lastColour = 0;
    int lastIndex = -1;
    for (int row = 0; row < area.height(); ++row) {
        const auto [first, last] = changes.spans[static_cast<std::size_t>(row)];
        const int y = area.top() + row;
        const auto *now = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        const auto *before = previous.isNull()
            ? nullptr
            : reinterpret_cast<const QRgb *>(previous.constScanLine(y));
        std::uint8_t *out = indices.data() + static_cast<std::size_t>(row) * width - area.left();
        for (int x = first; x <= last; ++x) {
            const QRgb colour = now[x];
            if (before && before[x] == colour)
                continue;
            if (colour != lastColour || lastIndex < 0) {
                lastIndex = indexOf(colour | 0xFF000000u);
                if (lastIndex < 0 || lastIndex >= kKept)
                    return false;
                lastColour = colour;
                used[static_cast<std::size_t>(lastIndex)] = true;
            }
            out[x] = static_cast<std::uint8_t>(lastIndex);
        }
    }
    return true;
}

void replaceKept(std::vector<std::uint8_t> &indices, std::uint8_t transparent)
{
    for (std::uint8_t &index : indices)
        index = index == kKept ? transparent : index;
}

// More than 256 colours (a photograph as background): Qt picks the table.
void indexApproximately(
    const QImage &image, QRect area, std::vector<std::uint8_t> &indices, std::vector<QRgb> &colours)
{
    const QImage indexed = image.copy(area).convertToFormat(
        QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const QList<QRgb> table = indexed.colorTable();
    colours.assign(table.begin(), table.end());
    indices.resize(
        static_cast<std::size_t>(area.width()) * static_cast<std::size_t>(area.height()));
    for (int y = 0; y < area.height(); ++y)
        std::copy_n(indexed.constScanLine(y), area.width(),
            indices.begin() + static_cast<std::ptrdiff_t>(y) * area.width());
}

std::vector<std::uint8_t> scaled(const std::vector<std::uint8_t> &indices, QSize size, int scale)
{
    if (scale == 1)
        return indices;
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
    return out;
}

// One way of writing a frame: its indices, its own colour table (none: the file's), and the
// index that shows the previous frame through (-1: none).
struct Coding
{
    std::vector<std::uint8_t> indices;
    std::vector<QRgb> ownColours;
    int bits = 1;
    int transparent = -1;
    const GifPalette *lookup = nullptr; // the colours of the table in use, for kept pixels
};

std::string graphicBlock(const QImage &frame, QRect area, int scale, int delayCs, Coding &coding)
{
    std::string out;
    out += std::string("\x21\xF9\x04", 3);
    // Disposal "leave in place": the next frame draws over this one.
    out.push_back(static_cast<char>(coding.transparent >= 0 ? 0x05 : 0x04));
    putWord(out, std::clamp(delayCs, 0, 0xFFFF));
    out.push_back(static_cast<char>(std::max(coding.transparent, 0)));
    out.push_back('\0');
    out.push_back('\x2C');
    putWord(out, area.x() * scale);
    putWord(out, area.y() * scale);
    putWord(out, area.width() * scale);
    putWord(out, area.height() * scale);
    if (coding.ownColours.empty()) {
        out.push_back('\0');
    } else {
        out.push_back(static_cast<char>(0x80 | (coding.bits - 1)));
        putTable(out, coding.ownColours, coding.bits);
    }
    GifLzw::Transparency transparency;
    if (coding.transparent >= 0) {
        transparency.index = static_cast<std::uint8_t>(coding.transparent);
        const std::size_t rowLength = static_cast<std::size_t>(area.width() * scale);
        const auto stride = static_cast<std::size_t>(scale);
        transparency.colourAt = [&](std::size_t at) {
            const int x = area.left() + static_cast<int>(at % rowLength / stride);
            const int y = area.top() + static_cast<int>(at / rowLength / stride);
            return coding.lookup ? coding.lookup->indexOf(frame.pixel(x, y) | 0xFF000000u) : -1;
        };
    }
    thread_local GifLzw lzw;
    lzw.compress(scaled(coding.indices, area.size(), scale), std::max(2, coding.bits), out,
        coding.transparent >= 0 ? &transparency : nullptr);
    return out;
}

} // namespace

std::string encodeGifFrame(
    const QImage &frame, const QImage &previous, int scale, int delayCs, const GifPalette *global)
{
    const Changes changes = changesOf(frame, previous);
    const QRect area = changes.area;
    const bool small = area.width() * area.height() <= kSmallFrame;
    std::array<bool, 256> used;
    std::string best;

    if (global && global->size() <= kKept) {
        Coding coding;
        if (indexChanges(
                frame, previous, changes, [&](QRgb c) { return global->indexOf(c); },
                coding.indices, used)) {
            coding.bits = global->bitsWith(0);
            coding.lookup = global;
            // A free entry of the table shows the previous frame through: the padding after
            // the colours, else a colour no changed pixel needs.
            int transparent = global->size();
            for (int i = 0; transparent == (1 << coding.bits) && i < global->size(); ++i)
                transparent = used[static_cast<std::size_t>(i)] ? transparent : i;
            if (previous.isNull()) {
                best = graphicBlock(frame, area, scale, delayCs, coding);
            } else if (transparent < (1 << coding.bits)) {
                coding.transparent = transparent;
                replaceKept(coding.indices, static_cast<std::uint8_t>(transparent));
                best = graphicBlock(frame, area, scale, delayCs, coding);
            }
        }
    }
    if (best.empty() || small) {
        thread_local GifPalette own;
        own.clear();
        Coding coding;
        if (indexChanges(
                frame, previous, changes, [&](QRgb c) { return own.intern(c); }, coding.indices,
                used)) {
            const bool kept = std::find(coding.indices.begin(), coding.indices.end(), kKept)
                != coding.indices.end();
            coding.bits = own.bitsWith(kept ? 1 : 0);
            coding.ownColours = own.colours();
            coding.lookup = &own;
            if (kept) {
                coding.transparent = own.size();
                replaceKept(coding.indices, static_cast<std::uint8_t>(own.size()));
            }
            std::string block = graphicBlock(frame, area, scale, delayCs, coding);
            if (best.empty() || block.size() < best.size())
                best = std::move(block);
        }
    }
    if (best.empty()) {
        // 255 colours or more among the changes: the whole rectangle with a table of its own,
        // exact when it holds at most 256 colours.
        thread_local GifPalette own;
        own.clear();
        Coding coding;
        const Changes whole { area,
            std::vector<std::pair<int, int>>(
                static_cast<std::size_t>(area.height()), { area.left(), area.right() }) };
        if (!indexChanges(
                frame, QImage(), whole, [&](QRgb c) { return own.intern(c); }, coding.indices, used)
            || own.size() == 256) {
            indexApproximately(frame, area, coding.indices, coding.ownColours);
            coding.bits
                = std::max(1, static_cast<int>(std::bit_width(coding.ownColours.size() - 1)));
        } else {
            coding.ownColours = own.colours();
            coding.bits = own.bitsWith(0);
        }
        best = graphicBlock(frame, area, scale, delayCs, coding);
    }
    return best;
}

GifEncoder::GifEncoder(OutputFile &file, QSize pictureSize, GifOptions options)
    : m_file(file)
    , m_size(pictureSize)
    , m_options(options)
    , m_jobs(std::make_unique<OrderedJobs>())
{
    if (m_size.width() * m_options.scale > 0xFFFF || m_size.height() * m_options.scale > 0xFFFF)
        m_error = "the picture is too large for a GIF at this scale";
}

GifEncoder::~GifEncoder() = default;

bool GifEncoder::write(const std::string &bytes)
{
    if (m_error.empty() && !m_file.write(bytes))
        m_error = m_file.failure();
    return m_error.empty();
}

void GifEncoder::start(const QImage &first)
{
    // The colours of the first picture become the file's table, which later frames share when
    // it holds their colours and a free entry for transparency.
    auto global = std::make_shared<GifPalette>();
    for (int y = 0; y < first.height() && global; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(first.constScanLine(y));
        QRgb last = 0;
        for (int x = 0; x < first.width(); ++x) {
            if ((x == 0 || row[x] != last) && global->intern(row[x] | 0xFF000000u) < 0) {
                global.reset();
                break;
            }
            last = row[x];
        }
    }
    if (global && global->size() > kKept)
        global.reset();
    m_global = global;
    write(header(m_size * m_options.scale, m_options.plays, m_global.get()));
}

bool GifEncoder::addFrame(const QImage &frame, long long startMs, long long endMs)
{
    if (!m_error.empty())
        return false;
    if (frame.size() != m_size) {
        m_error = "a frame differs in size from the first";
        return false;
    }
    auto centiseconds = [](long long ms) { return (ms + 5) / 10; };
    const int delayCs = static_cast<int>(centiseconds(endMs) - centiseconds(startMs));
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
    if (m_frames == 0)
        start(rgb);
    m_jobs->submit(
        [rgb, previous = m_previous, scale = m_options.scale, delayCs, global = m_global] {
            return encodeGifFrame(rgb, previous, scale, delayCs, global.get());
        },
        [this](std::string &bytes) { write(bytes); });
    m_previous = rgb;
    ++m_frames;
    return m_error.empty();
}

bool GifEncoder::finish()
{
    if (m_frames == 0)
        write(header(m_size * m_options.scale, m_options.plays, nullptr));
    m_jobs->drain([this](std::string &bytes) { write(bytes); });
    return write(";");
}
