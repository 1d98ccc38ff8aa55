#pragma once

// An H.264 video in an MP4 file, written by the MP4 writer plugin (see Mp4Plugin.h), which is
// loaded on the first video. By default 4:2:0, the kind every player opens; exact videos keep
// every colour (lossless 4:4:4). The picture is enlarged by whole pixels first.

#include "export/FrameSink.h"

#include <string>

struct TraceletMp4Api;
struct TraceletMp4Video;
class OutputFile;

// Why this program cannot write MP4 now (built without FFmpeg's libraries, or the plugin or a
// library it needs is missing), or empty when it can. Loads the plugin the first time.
std::string mp4Unavailable();

class Mp4Encoder : public FrameSink
{
public:
    Mp4Encoder(OutputFile &file, QSize pictureSize, int scale, bool exact = false);
    ~Mp4Encoder() override;
    Mp4Encoder(const Mp4Encoder &) = delete;
    Mp4Encoder &operator=(const Mp4Encoder &) = delete;

    bool addFrame(const QImage &frame, long long startMs, long long endMs) override;
    bool finish() override;
    const std::string &error() const override { return m_error; }
    int frameCount() const override { return m_frames; }

private:
    bool failed();

    const TraceletMp4Api *m_api = nullptr;
    TraceletMp4Video *m_video = nullptr;
    QSize m_size;
    int m_scale;
    std::string m_error;
    int m_frames = 0;
};
