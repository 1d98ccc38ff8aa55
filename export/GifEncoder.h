#pragma once

// An animated GIF, as small as it can be without losing a colour: every frame after the first
// stores only the rectangle that changed since the previous one, in which the pixels that did not
// change are transparent, and uses the file's colour table or one of its own, whichever is
// smaller. Frames are analysed and compressed on every core as they come; the file's colour table
// needs all of them (the colours most frames use come first, so that frames need few bits per
// index), so the file is written out whole by finish().

#include "export/FrameSink.h"
#include "export/GifPalette.h"
#include "export/OrderedJobs.h"

#include <deque>
#include <memory>

class OutputFile;
struct GifFrame;

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
    void takeAnalysed();
    void place(const GifFrame &frame, std::string &out);
    std::string header() const;

    OutputFile &m_file;
    QSize m_size;
    GifOptions m_options;
    QImage m_previous;
    std::unique_ptr<OrderedJobs> m_jobs;
    std::deque<std::shared_ptr<GifFrame>> m_pending; // being analysed, in order of submission
    std::vector<GifFrame> m_analysed;
    GifPalette m_table; // the file's colour table
    int m_tableEntries = 0; // entries the frames refer to, transparent ones included
    std::string m_error;
    int m_frames = 0;
};
