#include "export/GifEncoder.h"

#include "export/GifLzw.h"
#include "export/OutputFile.h"

#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace {

void putWord(std::string &out, int value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

std::string header(QSize size, int plays)
{
    std::string out = "GIF89a";
    putWord(out, size.width());
    putWord(out, size.height());
    out += std::string("\x70\x00\x00", 3); // no global colour table, 8-bit colour resolution
    if (plays != 1) {
        // A viewer plays the animation once and then repeats it this many times (0: forever).
        out += std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
        putWord(out, plays == 0 ? 0 : plays - 1);
        out.push_back('\0');
    }
    return out;
}

QRect changedRect(const QImage &frame, const QImage &previous)
{
    if (previous.isNull())
        return frame.rect();
    const int width = frame.width();
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
        left = std::min(left, first);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = y;
    }
    // An unchanged picture still takes a frame, so that the timing stays one frame per capture.
    if (bottom < 0)
        return QRect(0, 0, 1, 1);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// The colours of `area` as indices into `palette`; false when it holds more than 256 colours.
bool indexExactly(
    const QImage &image, QRect area, std::vector<std::uint8_t> &indices, std::vector<QRgb> &palette)
{
    constexpr std::size_t kSlots = 1024;
    std::array<QRgb, kSlots> keys;
    std::array<int, kSlots> values;
    values.fill(-1);
    indices.resize(
        static_cast<std::size_t>(area.width()) * static_cast<std::size_t>(area.height()));
    palette.clear();
    QRgb lastColour = 0;
    std::uint8_t lastIndex = 0;
    bool haveLast = false;
    std::uint8_t *out = indices.data();
    const int left = area.left(), width = area.width();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y)) + left;
        for (int x = 0; x < width; ++x) {
            const QRgb colour = row[x] | 0xFF000000u;
            if (colour != lastColour || !haveLast) {
                std::size_t slot = (colour * 2654435761u) >> 22;
                while (values[slot] >= 0 && keys[slot] != colour)
                    slot = (slot + 1) & (kSlots - 1);
                if (values[slot] < 0) {
                    if (palette.size() == 256)
                        return false;
                    keys[slot] = colour;
                    values[slot] = static_cast<int>(palette.size());
                    palette.push_back(colour);
                }
                lastColour = colour;
                lastIndex = static_cast<std::uint8_t>(values[slot]);
                haveLast = true;
            }
            *out++ = lastIndex;
        }
    }
    return true;
}

// More than 256 colours (a photograph as background): Qt picks the table.
void indexApproximately(
    const QImage &image, QRect area, std::vector<std::uint8_t> &indices, std::vector<QRgb> &palette)
{
    const QImage indexed = image.copy(area).convertToFormat(
        QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const QList<QRgb> table = indexed.colorTable();
    palette.assign(table.begin(), table.end());
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

} // namespace

std::string encodeGifFrame(const QImage &frame, const QImage &previous, int scale, int delayCs)
{
    const QRect area = changedRect(frame, previous);
    std::vector<std::uint8_t> indices;
    std::vector<QRgb> palette;
    if (!indexExactly(frame, area, indices, palette))
        indexApproximately(frame, area, indices, palette);
    // A colour table has 2 to 256 entries, a power of two; LZW codes start at 2 bits or more.
    const int bits = std::max(1, static_cast<int>(std::bit_width(palette.size() - 1)));
    palette.resize(std::size_t { 1 } << bits, qRgb(0, 0, 0));

    std::string out;
    out += std::string("\x21\xF9\x04\x04", 4); // graphic control: leave the frame in place
    putWord(out, std::clamp(delayCs, 0, 0xFFFF));
    out += std::string("\x00\x00", 2);
    out.push_back('\x2C');
    putWord(out, area.x() * scale);
    putWord(out, area.y() * scale);
    putWord(out, area.width() * scale);
    putWord(out, area.height() * scale);
    out.push_back(static_cast<char>(0x80 | (bits - 1)));
    for (QRgb colour : palette) {
        out.push_back(static_cast<char>(qRed(colour)));
        out.push_back(static_cast<char>(qGreen(colour)));
        out.push_back(static_cast<char>(qBlue(colour)));
    }
    thread_local GifLzw lzw;
    lzw.compress(scaled(indices, area.size(), scale), std::max(2, bits), out);
    return out;
}

GifEncoder::GifEncoder(OutputFile &file, QSize pictureSize, GifOptions options)
    : m_file(file)
    , m_size(pictureSize)
    , m_options(options)
    , m_jobs(std::make_unique<OrderedJobs>())
{
    if (m_size.width() * m_options.scale > 0xFFFF || m_size.height() * m_options.scale > 0xFFFF)
        m_error = "the picture is too large for a GIF at this scale";
    else
        write(header(m_size * m_options.scale, m_options.plays));
}

GifEncoder::~GifEncoder() = default;

bool GifEncoder::write(const std::string &bytes)
{
    if (m_error.empty() && !m_file.write(bytes))
        m_error = m_file.failure();
    return m_error.empty();
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
    m_jobs->submit([rgb, previous = m_previous, scale = m_options.scale,
                       delayCs] { return encodeGifFrame(rgb, previous, scale, delayCs); },
        [this](std::string &bytes) { write(bytes); });
    m_previous = rgb;
    ++m_frames;
    return m_error.empty();
}

bool GifEncoder::finish()
{
    m_jobs->drain([this](std::string &bytes) { write(bytes); });
    return write(";");
}
