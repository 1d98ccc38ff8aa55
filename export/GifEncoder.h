#pragma once

// An animated GIF written to a file as the frames come, as small as it can be without losing a
// colour: every frame after the first stores only the rectangle that changed since the previous
// one, in which the pixels that did not change are transparent, and uses the file's colour table
// (the colours of the first picture) or one of its own, whichever is smaller. Frames are
// compressed on every core and written in order.

#include "export/FrameSink.h"
#include "export/OrderedJobs.h"

#include <memory>

class GifPalette;
class OutputFile;

struct GifOptions
{
    int scale = 1; // each picture pixel becomes scale × scale pixels
    int plays = 0; // how often the animation plays; 0 forever
};

class GifEncoder : public FrameSink
{
public:
    GifEncoder(OutputFile &file, QSize pictureSize, GifOptions options);
    ~GifEncoder() override;

    bool addFrame(const QImage &frame, long long startMs, long long endMs) override;
    bool finish() override;
    const std::string &error() const override { return m_error; }
    int frameCount() const override { return m_frames; }

private:
    bool write(const std::string &bytes);
    void start(const QImage &first);

    OutputFile &m_file;
    QSize m_size;
    GifOptions m_options;
    QImage m_previous;
    std::shared_ptr<const GifPalette> m_global;
    std::unique_ptr<OrderedJobs> m_jobs;
    std::string m_error;
    int m_frames = 0;
};

// One frame as a GIF graphic block (delay, image descriptor, colour table, compressed data):
// the part of `frame` that differs from `previous` (all of it when previous is null), drawn over
// it. global: the file's colour table, if it has one.
std::string encodeGifFrame(const QImage &frame, const QImage &previous, int scale, int delayCs,
    const GifPalette *global = nullptr);
