#include "export/GifEncoder.h"

#include "export/GifFrame.h"
#include "export/GifLzw.h"
#include "export/OutputFile.h"

#include <algorithm>
#include <bit>

namespace {

void putWord(std::string &out, int value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

// A colour table of 2^bits entries, black after the colours.
void putTable(std::string &out, const std::vector<QRgb> &colours, int bits)
{
    for (std::size_t i = 0; i < (std::size_t { 1 } << bits); ++i) {
        const QRgb colour = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        out.push_back(static_cast<char>(qRed(colour)));
        out.push_back(static_cast<char>(qGreen(colour)));
        out.push_back(static_cast<char>(qBlue(colour)));
    }
}

int tableBits(int entries)
{
    return std::max(1, static_cast<int>(std::bit_width(unsigned(std::max(entries, 2) - 1))));
}

// A frame's own table: each index stands for itself.
std::array<std::uint8_t, 256> identityPalette()
{
    std::array<std::uint8_t, 256> own {};
    for (std::size_t i = 0; i < own.size(); ++i)
        own[i] = static_cast<std::uint8_t>(i);
    return own;
}

} // namespace

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

std::string GifEncoder::header() const
{
    std::string out = "GIF89a";
    putWord(out, m_size.width() * m_options.scale);
    putWord(out, m_size.height() * m_options.scale);
    if (m_tableEntries > 0) {
        const int bits = tableBits(m_tableEntries);
        out.push_back(static_cast<char>(0xF0 | (bits - 1))); // 8-bit colour resolution
        out += std::string("\x00\x00", 2);
        putTable(out, m_table.colours(), bits);
    } else {
        out += std::string("\x70\x00\x00", 3);
    }
    if (m_options.plays != 1) {
        // A viewer plays the animation once and then repeats it this many times (0: forever).
        out += std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
        putWord(out, m_options.plays == 0 ? 0 : m_options.plays - 1);
        out.push_back('\0');
    }
    return out;
}

void GifEncoder::place(const GifFrame &frame, std::string &out)
{
    const int count = static_cast<int>(frame.colours.size());
    const bool transparent = frame.transparent >= 0;

    // In the file's table: the colours it has, and for transparency the lowest entry no changed
    // pixel needs (fewer bits per code than a spare one at the end).
    std::array<std::uint8_t, 256> shared {};
    std::array<bool, 256> taken {};
    int highest = 0;
    bool fits = true;
    for (int i = 0; i < count && fits; ++i) {
        const int index = m_table.indexOf(frame.colours[static_cast<std::size_t>(i)]);
        fits = index >= 0;
        if (fits) {
            shared[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(index);
            taken[static_cast<std::size_t>(index)] = true;
            highest = std::max(highest, index);
        }
    }
    if (fits && transparent) {
        const auto free = std::find(taken.begin(), taken.end(), false);
        fits = free != taken.end();
        const auto index = static_cast<int>(free - taken.begin());
        shared[static_cast<std::size_t>(frame.transparent)] = static_cast<std::uint8_t>(index);
        highest = std::max(highest, index);
    }
    const int sharedCodeSize = std::max(2, static_cast<int>(std::bit_width(unsigned(highest))));
    fits = fits && sharedCodeSize <= frame.widestCodeSize;
    const int ownBits = tableBits(count + (transparent ? 1 : 0));
    const std::size_t ownCost
        = (std::size_t { 3 } << ownBits) + GifLzw::packedSize(frame.codes, std::max(2, ownBits));
    const bool useShared = fits && GifLzw::packedSize(frame.codes, sharedCodeSize) <= ownCost;

    static const std::array<std::uint8_t, 256> own = identityPalette();
    if (useShared)
        m_tableEntries = std::max(m_tableEntries, highest + 1);
    const std::array<std::uint8_t, 256> &palette = useShared ? shared : own;

    out += std::string("\x21\xF9\x04", 3);
    // Disposal "leave in place": the next frame draws over this one.
    out.push_back(static_cast<char>(transparent ? 0x05 : 0x04));
    putWord(out, std::clamp(frame.delayCs, 0, 0xFFFF));
    out.push_back(
        static_cast<char>(transparent ? palette[static_cast<std::size_t>(frame.transparent)] : 0));
    out.push_back('\0');
    out.push_back('\x2C');
    putWord(out, frame.area.x());
    putWord(out, frame.area.y());
    putWord(out, frame.area.width());
    putWord(out, frame.area.height());
    if (useShared) {
        out.push_back('\0');
        GifLzw::pack(frame.codes, palette, sharedCodeSize, out);
    } else {
        out.push_back(static_cast<char>(0x80 | (ownBits - 1)));
        putTable(out, frame.colours, ownBits);
        GifLzw::pack(frame.codes, palette, std::max(2, ownBits), out);
    }
}

void GifEncoder::takeAnalysed()
{
    m_analysed.push_back(std::move(*m_pending.front()));
    m_pending.pop_front();
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
    auto parsed = std::make_shared<GifFrame>();
    m_pending.push_back(parsed);
    // The job fills its frame; results are taken in the order the frames were given.
    m_jobs->submit(
        [parsed, rgb, previous = m_previous, scale = m_options.scale, delayCs] {
            *parsed = GifFrame::parse(rgb, previous, scale, delayCs);
            return std::string();
        },
        [this](std::string &) { takeAnalysed(); });
    m_previous = rgb;
    ++m_frames;
    return true;
}

bool GifEncoder::finish()
{
    m_jobs->drain([this](std::string &) { takeAnalysed(); });
    if (!m_error.empty())
        return false;
    // The colours most frames use first; a frame whose colours all sit low needs fewer bits per
    // code. Colours beyond the first 256 seen stay in the tables of the frames that need them.
    std::vector<std::pair<int, QRgb>> uses; // (frames, colour) in order of first appearance
    GifPalette seen;
    for (const GifFrame &frame : m_analysed) {
        for (QRgb colour : frame.colours) {
            const int at = seen.indexOf(colour);
            if (at >= 0) {
                ++uses[static_cast<std::size_t>(at)].first;
            } else if (seen.intern(colour) >= 0) {
                uses.emplace_back(1, colour);
            }
        }
    }
    std::stable_sort(
        uses.begin(), uses.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    for (const auto &use : uses)
        m_table.intern(use.second);

    std::string frames;
    for (const GifFrame &frame : m_analysed)
        place(frame, frames);
    if (!m_file.write(header()) || !m_file.write(frames) || !m_file.write(";")) {
        m_error = m_file.failure();
        return false;
    }
    return true;
}
