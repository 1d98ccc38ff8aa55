#include "export/Mp4Encoder.h"

#include "export/OutputFile.h"

#include <map>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

bool mp4Available() { return true; }

namespace {
constexpr AVRational kMilliseconds { 1, 1000 };

std::string describe(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}
} // namespace

struct Mp4Encoder::Codec
{
    AVFormatContext *format = nullptr;
    AVCodecContext *encoder = nullptr;
    AVStream *stream = nullptr;
    AVFrame *frame = nullptr;
    AVPacket *packet = nullptr;
    SwsContext *convert = nullptr;
    std::map<long long, long long> durations; // by presentation time, for the packets
    bool headerWritten = false;

    ~Codec()
    {
        sws_freeContext(convert);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&encoder);
        if (format) {
            if (format->pb)
                avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }

    // Sends a frame (nullptr: the end) and writes every packet the encoder has ready.
    int encode(AVFrame *input)
    {
        int result = avcodec_send_frame(encoder, input);
        while (result >= 0) {
            result = avcodec_receive_packet(encoder, packet);
            if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
                return 0;
            if (result < 0)
                return result;
            if (auto found = durations.find(packet->pts); found != durations.end()) {
                packet->duration = found->second;
                durations.erase(found);
            }
            av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
            packet->stream_index = stream->index;
            result = av_interleaved_write_frame(format, packet);
        }
        return result;
    }
};

Mp4Encoder::Mp4Encoder(OutputFile &file, QSize pictureSize, int scale)
    : m_codec(std::make_unique<Codec>())
    , m_size(pictureSize)
    , m_scale(scale)
{
    av_log_set_level(AV_LOG_ERROR); // x264's statistics are not for the user
    Codec &c = *m_codec;
    const QSize videoSize = pictureSize * scale;
    int result
        = avformat_alloc_output_context2(&c.format, nullptr, "mp4", file.temporaryPath().c_str());
    const AVCodec *h264 = avcodec_find_encoder_by_name("libx264");
    if (result < 0 || !c.format || !h264) {
        m_error = h264 ? "cannot start an MP4 file" : "this FFmpeg has no H.264 encoder (libx264)";
        return;
    }
    c.encoder = avcodec_alloc_context3(h264);
    c.encoder->width = videoSize.width();
    c.encoder->height = videoSize.height();
    c.encoder->time_base = kMilliseconds;
    c.encoder->pix_fmt = AV_PIX_FMT_YUV444P;
    c.encoder->color_range = AVCOL_RANGE_MPEG;
    c.encoder->colorspace = AVCOL_SPC_SMPTE170M;
    c.encoder->color_primaries = AVCOL_PRI_SMPTE170M;
    c.encoder->color_trc = AVCOL_TRC_SMPTE170M;
    c.encoder->thread_count = 0; // every core
    c.encoder->gop_size = 250;
    if (c.format->oformat->flags & AVFMT_GLOBALHEADER)
        c.encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_opt_set(c.encoder->priv_data, "preset", "veryfast", 0);
    av_opt_set(c.encoder->priv_data, "qp", "0", 0); // lossless
    result = avcodec_open2(c.encoder, h264, nullptr);
    if (result < 0) {
        m_error = "cannot start the H.264 encoder (" + describe(result) + ")";
        return;
    }
    c.stream = avformat_new_stream(c.format, nullptr);
    c.stream->time_base = kMilliseconds;
    avcodec_parameters_from_context(c.stream->codecpar, c.encoder);
    result = avio_open(&c.format->pb, file.temporaryPath().c_str(), AVIO_FLAG_WRITE);
    if (result >= 0)
        result = avformat_write_header(c.format, nullptr);
    if (result < 0) {
        m_error = "cannot write " + file.target() + " (" + describe(result) + ")";
        return;
    }
    c.headerWritten = true;

    c.frame = av_frame_alloc();
    c.packet = av_packet_alloc();
    c.frame->format = c.encoder->pix_fmt;
    c.frame->width = videoSize.width();
    c.frame->height = videoSize.height();
    c.frame->color_range = c.encoder->color_range;
    c.frame->colorspace = c.encoder->colorspace;
    if (av_frame_get_buffer(c.frame, 0) < 0) {
        m_error = "out of memory for a video frame";
        return;
    }
    c.convert
        = sws_getContext(videoSize.width(), videoSize.height(), AV_PIX_FMT_BGRA, videoSize.width(),
            videoSize.height(), AV_PIX_FMT_YUV444P, SWS_POINT, nullptr, nullptr, nullptr);
    if (!c.convert)
        m_error = "cannot convert pictures to video colours";
}

Mp4Encoder::~Mp4Encoder() = default;

bool Mp4Encoder::addFrame(const QImage &picture, long long startMs, long long endMs)
{
    if (!m_error.empty())
        return false;
    if (picture.size() != m_size) {
        m_error = "a frame differs in size from the first";
        return false;
    }
    Codec &c = *m_codec;
    QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (m_scale > 1)
        rgb = rgb.scaled(m_size * m_scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (av_frame_make_writable(c.frame) < 0) {
        m_error = "out of memory for a video frame";
        return false;
    }
    const std::uint8_t *source[] = { rgb.constBits() };
    const int stride[] = { static_cast<int>(rgb.bytesPerLine()) };
    sws_scale(c.convert, source, stride, 0, rgb.height(), c.frame->data, c.frame->linesize);
    c.frame->pts = startMs;
    c.durations[startMs] = std::max(1LL, endMs - startMs);
    if (const int result = c.encode(c.frame); result < 0) {
        m_error = "cannot encode a video frame (" + describe(result) + ")";
        return false;
    }
    ++m_frames;
    return true;
}

bool Mp4Encoder::finish()
{
    Codec &c = *m_codec;
    if (!m_error.empty() || !c.headerWritten)
        return false;
    int result = c.encode(nullptr);
    if (result >= 0)
        result = av_write_trailer(c.format);
    if (result >= 0)
        result = avio_closep(&c.format->pb);
    if (result < 0)
        m_error = "cannot finish the video (" + describe(result) + ")";
    return m_error.empty();
}
