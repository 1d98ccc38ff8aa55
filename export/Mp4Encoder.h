#pragma once

// An H.264 video in an MP4 file through FFmpeg's libraries. The frames keep their exact pixels:
// full colour resolution (4:4:4) and lossless compression, so thin lines stay sharp and
// coloured; the picture is enlarged by whole pixels first. x264 spreads the work over every core.

#include "export/FrameSink.h"

#include <memory>

class OutputFile;

// Whether this build can write MP4 (FFmpeg's libraries were found when it was built).
bool mp4Available();

class Mp4Encoder : public FrameSink
{
public:
    Mp4Encoder(OutputFile &file, QSize pictureSize, int scale);
    ~Mp4Encoder() override;

    bool addFrame(const QImage &frame, long long startMs, long long endMs) override;
    bool finish() override;
    const std::string &error() const override { return m_error; }
    int frameCount() const override { return m_frames; }

    struct Codec;

private:
    std::unique_ptr<Codec> m_codec;
    QSize m_size;
    int m_scale;
    std::string m_error;
    int m_frames = 0;
};
