#include "VideoFrames.h"

#include <algorithm>
#include <cstdlib>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

VideoFrames decodeVideo(const std::string &path)
{
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0)
        return { {}, {}, {}, "cannot open", {}, {} };
    avformat_find_stream_info(format, nullptr);
    const AVCodec *codec = nullptr;
    const int stream = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (stream < 0 || !codec) {
        avformat_close_input(&format);
        return { {}, {}, {}, "no video stream", {}, {} };
    }
    VideoFrames result { {}, {}, codec->name, {}, {}, {} };
    const AVCodecParameters *parameters = format->streams[stream]->codecpar;
    if (const char *name = av_get_pix_fmt_name(static_cast<AVPixelFormat>(parameters->format)))
        result.pixelFormat = name;
    if (const char *name = avcodec_profile_name(parameters->codec_id, parameters->profile))
        result.profile = name;
    AVCodecContext *decoder = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(decoder, parameters);
    avcodec_open2(decoder, codec, nullptr);
    const AVRational timeBase = format->streams[stream]->time_base;
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    SwsContext *convert = nullptr;
    auto receive = [&] {
        while (avcodec_receive_frame(decoder, frame) == 0) {
            // swscale may write a few bytes past the last row: a spare row takes them.
            QImage picture(frame->width, frame->height + 1, QImage::Format_RGB32);
            convert = sws_getCachedContext(convert, frame->width, frame->height,
                static_cast<AVPixelFormat>(frame->format), frame->width, frame->height,
                AV_PIX_FMT_BGRA, SWS_POINT, nullptr, nullptr, nullptr);
            std::uint8_t *target[] = { picture.bits() };
            const int stride[] = { static_cast<int>(picture.bytesPerLine()) };
            sws_scale(convert, frame->data, frame->linesize, 0, frame->height, target, stride);
            result.frames.push_back(picture.copy(0, 0, frame->width, frame->height));
            result.startsMs.push_back(av_rescale_q(frame->pts, timeBase, AVRational { 1, 1000 }));
        }
    };
    while (av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == stream && avcodec_send_packet(decoder, packet) >= 0)
            receive();
        av_packet_unref(packet);
    }
    avcodec_send_packet(decoder, nullptr);
    receive();
    sws_freeContext(convert);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&decoder);
    avformat_close_input(&format);
    return result;
}

PictureDifference pictureDifference(const QImage &a, const QImage &b, int by)
{
    if (a.width() < b.width() || a.height() < b.height())
        return { 256, 1.0 };
    PictureDifference result;
    int over = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = std::max({ std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                std::abs(qBlue(p) - qBlue(q)) });
            result.largest = std::max(result.largest, d);
            over += d > by ? 1 : 0;
        }
    result.shareOver = static_cast<double>(over) / (b.width() * b.height());
    return result;
}
