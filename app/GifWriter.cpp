#include "app/GifWriter.h"

#include <array>
#include <gif_lib.h>
#include <vector>

namespace {

int appendBytes(GifFileType *gif, const GifByteType *bytes, int count)
{
    static_cast<std::string *>(gif->UserData)
        ->append(reinterpret_cast<const char *>(bytes), static_cast<std::size_t>(count));
    return count;
}

// giflib wants a power-of-two table of at least two entries.
ColorMapObject *makeColourMap(const QList<QRgb> &table)
{
    const int size = 1 << GifBitSize(std::max(2, static_cast<int>(table.size())));
    std::vector<GifColorType> colours(static_cast<std::size_t>(size), GifColorType { 0, 0, 0 });
    for (qsizetype i = 0; i < table.size(); ++i)
        colours[static_cast<std::size_t>(i)] = GifColorType { static_cast<GifByteType>(
                                                                  qRed(table[i])),
            static_cast<GifByteType>(qGreen(table[i])), static_cast<GifByteType>(qBlue(table[i])) };
    return GifMakeMapObject(size, colours.data());
}

} // namespace

GifWriter::GifWriter(QSize size)
    : m_size(size)
{
    int error = 0;
    m_gif = EGifOpen(&m_bytes, appendBytes, &error);
    if (!m_gif) {
        fail("cannot start the GIF stream", error);
        return;
    }
    EGifSetGifVersion(m_gif, true);
    if (EGifPutScreenDesc(m_gif, size.width(), size.height(), 8, 0, nullptr) == GIF_ERROR)
        fail("cannot write the GIF header", m_gif->Error);
    else
        putLoopForever();
}

GifWriter::~GifWriter()
{
    if (m_gif)
        EGifCloseFile(m_gif, nullptr);
}

bool GifWriter::fail(const char *what, int gifError)
{
    if (m_error.empty()) {
        const char *detail = GifErrorString(gifError);
        m_error = std::string(what) + (detail ? std::string(" (") + detail + ")" : std::string());
    }
    return false;
}

bool GifWriter::putLoopForever()
{
    static const char kApplication[] = "NETSCAPE2.0";
    const std::array<GifByteType, 3> loopForever { 1, 0, 0 }; // sub-block 1, loop count 0
    if (EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR
        || EGifPutExtensionBlock(m_gif, 11, kApplication) == GIF_ERROR
        || EGifPutExtensionBlock(m_gif, 3, loopForever.data()) == GIF_ERROR
        || EGifPutExtensionTrailer(m_gif) == GIF_ERROR)
        return fail("cannot write the loop block", m_gif->Error);
    return true;
}

QRect GifWriter::changedRect(const QImage &frame) const
{
    if (m_previous.isNull())
        return frame.rect();
    int left = frame.width(), right = -1, top = frame.height(), bottom = -1;
    for (int y = 0; y < frame.height(); ++y) {
        const auto *now = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        const auto *before = reinterpret_cast<const QRgb *>(m_previous.constScanLine(y));
        int first = 0;
        while (first < frame.width() && now[first] == before[first])
            ++first;
        if (first == frame.width())
            continue;
        int last = frame.width() - 1;
        while (now[last] == before[last])
            --last;
        left = std::min(left, first);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = y;
    }
    // An unchanged picture still takes a frame, so the timing stays one frame per capture.
    if (bottom < 0)
        return QRect(0, 0, 1, 1);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

bool GifWriter::addFrame(const QImage &frame, int delayCs)
{
    if (!m_gif || !m_error.empty())
        return false;
    if (frame.size() != m_size) {
        m_error = "a frame differs in size from the first";
        return false;
    }
    // Qt maps an opaque picture of at most 256 colours onto an exact table, without dithering.
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
    const QRect rect = changedRect(rgb);
    QImage indexed = rgb.copy(rect).convertToFormat(QImage::Format_Indexed8);

    GraphicsControlBlock control {};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = std::max(0, delayCs);
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    std::array<GifByteType, 4> extension {};
    const std::size_t length = EGifGCBToExtension(&control, extension.data());
    if (EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension.data())
        == GIF_ERROR)
        return fail("cannot write a frame delay", m_gif->Error);

    ColorMapObject *colours = makeColourMap(indexed.colorTable());
    const bool described = colours
        && EGifPutImageDesc(m_gif, rect.x(), rect.y(), rect.width(), rect.height(), false, colours)
            != GIF_ERROR;
    GifFreeMapObject(colours);
    if (!described)
        return fail("cannot write a frame", m_gif->Error);
    for (int y = 0; y < indexed.height(); ++y)
        if (EGifPutLine(m_gif, indexed.scanLine(y), indexed.width()) == GIF_ERROR)
            return fail("cannot encode a frame", m_gif->Error);
    m_previous = rgb;
    ++m_frames;
    return true;
}

std::optional<std::string> GifWriter::finish()
{
    if (!m_gif)
        return std::nullopt;
    int error = 0;
    const bool closed = EGifCloseFile(m_gif, &error) != GIF_ERROR;
    m_gif = nullptr;
    if (!closed)
        fail("cannot finish the GIF stream", error);
    if (!m_error.empty())
        return std::nullopt;
    return std::move(m_bytes);
}
