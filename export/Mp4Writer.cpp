// The MP4 writer plugin: H.264 in an MP4 file through FFmpeg's libraries (see Mp4Plugin.h).
// By default the video is 4:2:0, which every player opens, at a quality that keeps the
// single-pixel lines of an enlarged picture sharp, with its index in front so that it streams.
// Exact videos keep every colour: lossless 4:4:4. x264 spreads the work over every core.

#include "export/Mp4Plugin.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {

constexpr AVRational kMilliseconds { 1, 1000 };
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

std::string describe(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

} // namespace

struct TraceletMp4Video
{
    AVFormatContext *format = nullptr;
    AVCodecContext *encoder = nullptr;
    AVStream *stream = nullptr;
    AVFrame *frame = nullptr;
    AVPacket *packet = nullptr;
    SwsContext *convert = nullptr;
    std::map<long long, long long> durations; // by presentation time, for the packets
    bool headerWritten = false;
    int width = 0; // of the frames handed in
    int height = 0;
    std::vector<std::uint32_t> padded; // a frame on its white even-sized canvas (4:2:0 only)
    std::string error;

    TraceletMp4Video(const char *path, const TraceletMp4Settings &settings);
    ~TraceletMp4Video();
    bool add(
        const unsigned char *pixels, std::ptrdiff_t stride, long long startMs, long long endMs);
    bool finish();
    // Sends a frame (nullptr: the end) and writes every packet the encoder has ready.
    int encode(AVFrame *input);
    void configureEncoder(bool exact, int videoWidth, int videoHeight, AVPixelFormat pixels);
};

// H.264 in the colours and range every player reads right, tuned for drawn pictures.
void TraceletMp4Video::configureEncoder(
    bool exact, int videoWidth, int videoHeight, AVPixelFormat pixels)
{
    encoder->width = videoWidth;
    encoder->height = videoHeight;
    encoder->time_base = kMilliseconds;
    encoder->pix_fmt = pixels;
    encoder->color_range = AVCOL_RANGE_MPEG;
    encoder->colorspace = AVCOL_SPC_SMPTE170M;
    encoder->color_primaries = AVCOL_PRI_SMPTE170M;
    encoder->color_trc = AVCOL_TRC_SMPTE170M;
    encoder->thread_count = 0; // every core
    encoder->gop_size = 250;
    if (format->oformat->flags & AVFMT_GLOBALHEADER)
        encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_opt_set(encoder->priv_data, "preset", "veryfast", 0);
    if (exact) {
        av_opt_set(encoder->priv_data, "qp", "0", 0); // lossless
    } else {
        // Flat colours and hard one-pixel edges: a low constant quality, and x264's tuning for
        // drawn pictures (fewer smeared edges on flat areas).
        av_opt_set(encoder->priv_data, "crf", "12", 0);
        av_opt_set(encoder->priv_data, "tune", "animation", 0);
        av_opt_set(encoder->priv_data, "profile", "high", 0);
    }
}

TraceletMp4Video::TraceletMp4Video(const char *path, const TraceletMp4Settings &settings)
    : width(settings.width)
    , height(settings.height)
{
    av_log_set_level(AV_LOG_ERROR); // x264's statistics are not for the user
    const bool exact = settings.exact != 0;
    // 4:2:0 halves the colour resolution, so the size must be even: a white column or row is
    // added on the right or at the bottom, as the picture's paper would go on.
    const int videoWidth = exact ? width : (width + 1) / 2 * 2;
    const int videoHeight = exact ? height : (height + 1) / 2 * 2;
    const AVPixelFormat pixels = exact ? AV_PIX_FMT_YUV444P : AV_PIX_FMT_YUV420P;
    int result = avformat_alloc_output_context2(&format, nullptr, "mp4", path);
    const AVCodec *h264 = avcodec_find_encoder_by_name("libx264");
    if (result < 0 || !format || !h264) {
        error = h264 ? "cannot start an MP4 file" : "this FFmpeg has no H.264 encoder (libx264)";
        return;
    }
    encoder = avcodec_alloc_context3(h264);
    configureEncoder(exact, videoWidth, videoHeight, pixels);
    result = avcodec_open2(encoder, h264, nullptr);
    if (result < 0) {
        error = "cannot start the H.264 encoder (" + describe(result) + ")";
        return;
    }
    stream = avformat_new_stream(format, nullptr);
    stream->time_base = kMilliseconds;
    avcodec_parameters_from_context(stream->codecpar, encoder);
    result = avio_open(&format->pb, path, AVIO_FLAG_WRITE);
    AVDictionary *options = nullptr;
    av_dict_set(&options, "movflags", "faststart", 0); // the index first: players start at once
    if (result >= 0)
        result = avformat_write_header(format, &options);
    av_dict_free(&options);
    if (result < 0) {
        error = "cannot write the video (" + describe(result) + ")";
        return;
    }
    headerWritten = true;

    frame = av_frame_alloc();
    packet = av_packet_alloc();
    frame->format = pixels;
    frame->width = videoWidth;
    frame->height = videoHeight;
    frame->color_range = encoder->color_range;
    frame->colorspace = encoder->colorspace;
    if (av_frame_get_buffer(frame, 0) < 0) {
        error = "out of memory for a video frame";
        return;
    }
    if (videoWidth != width || videoHeight != height)
        padded.assign(
            static_cast<std::size_t>(videoWidth) * static_cast<std::size_t>(videoHeight), kWhite);
    // Colours are taken point by point in 4:4:4; in 4:2:0 each colour sample is the mean of its
    // 2 × 2 pixels, so pictures enlarged by whole pixels keep their exact colours.
    convert = sws_getContext(videoWidth, videoHeight, AV_PIX_FMT_BGRA, videoWidth, videoHeight,
        pixels, exact ? SWS_POINT : SWS_AREA | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
    if (!convert)
        error = "cannot convert pictures to video colours";
}

TraceletMp4Video::~TraceletMp4Video()
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

int TraceletMp4Video::encode(AVFrame *input)
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

bool TraceletMp4Video::add(
    const unsigned char *pixels, std::ptrdiff_t stride, long long startMs, long long endMs)
{
    if (!error.empty())
        return false;
    if (av_frame_make_writable(frame) < 0) {
        error = "out of memory for a video frame";
        return false;
    }
    const std::uint8_t *source[] = { pixels };
    int sourceStride[] = { static_cast<int>(stride) };
    if (!padded.empty()) {
        const auto rowBytes = static_cast<std::size_t>(width) * sizeof(std::uint32_t);
        for (int y = 0; y < height; ++y)
            std::memcpy(
                &padded[static_cast<std::size_t>(y * frame->width)], pixels + y * stride, rowBytes);
        source[0] = reinterpret_cast<const std::uint8_t *>(padded.data());
        sourceStride[0] = frame->width * static_cast<int>(sizeof(std::uint32_t));
    }
    sws_scale(convert, source, sourceStride, 0, frame->height, frame->data, frame->linesize);
    frame->pts = startMs;
    durations[startMs] = std::max(1LL, endMs - startMs);
    if (const int result = encode(frame); result < 0) {
        error = "cannot encode a video frame (" + describe(result) + ")";
        return false;
    }
    return true;
}

bool TraceletMp4Video::finish()
{
    if (!error.empty() || !headerWritten)
        return false;
    int result = encode(nullptr);
    if (result >= 0)
        result = av_write_trailer(format);
    if (result >= 0)
        result = avio_closep(&format->pb);
    if (result < 0)
        error = "cannot finish the video (" + describe(result) + ")";
    return error.empty();
}

namespace {

const TraceletMp4Api kApi {
    kTraceletMp4ApiVersion,
    [](const char *path, const TraceletMp4Settings *settings) {
        return new TraceletMp4Video(path, *settings);
    },
    [](TraceletMp4Video *video, const unsigned char *pixels, std::ptrdiff_t stride,
        long long startMs,
        long long endMs) { return video->add(pixels, stride, startMs, endMs) ? 1 : 0; },
    [](TraceletMp4Video *video) { return video->finish() ? 1 : 0; },
    [](const TraceletMp4Video *video) { return video->error.c_str(); },
    [](TraceletMp4Video *video) { delete video; },
};

} // namespace

extern "C" __attribute__((visibility("default"))) const TraceletMp4Api *tracelet_mp4_api()
{
    return &kApi;
}
