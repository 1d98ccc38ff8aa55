#include "VideoFrames.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

VideoFrames decodeVideo(const std::string &path)
{
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0)
        return { {}, {}, {}, "cannot open" };
    avformat_find_stream_info(format, nullptr);
    const AVCodec *codec = nullptr;
    const int stream = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (stream < 0 || !codec) {
        avformat_close_input(&format);
        return { {}, {}, {}, "no video stream" };
    }
    VideoFrames result { {}, {}, codec->name, {} };
    AVCodecContext *decoder = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(decoder, format->streams[stream]->codecpar);
    avcodec_open2(decoder, codec, nullptr);
    const AVRational timeBase = format->streams[stream]->time_base;
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    SwsContext *convert = nullptr;
    auto receive = [&] {
        while (avcodec_receive_frame(decoder, frame) == 0) {
            QImage picture(frame->width, frame->height, QImage::Format_RGB32);
            convert = sws_getCachedContext(convert, frame->width, frame->height,
                static_cast<AVPixelFormat>(frame->format), frame->width, frame->height,
                AV_PIX_FMT_BGRA, SWS_POINT, nullptr, nullptr, nullptr);
            std::uint8_t *target[] = { picture.bits() };
            const int stride[] = { static_cast<int>(picture.bytesPerLine()) };
            sws_scale(convert, frame->data, frame->linesize, 0, frame->height, target, stride);
            result.frames.push_back(picture);
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
