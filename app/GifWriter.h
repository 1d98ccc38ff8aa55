#pragma once

// An animated GIF that loops forever, built in memory frame by frame. Each frame keeps its exact
// colours (a local colour table; the pictures have far fewer than 256 colours) and only the
// rectangle that changed since the previous frame is stored.

#include <QImage>
#include <optional>
#include <string>

struct GifFileType;

class GifWriter
{
public:
    explicit GifWriter(QSize size);
    ~GifWriter();
    GifWriter(const GifWriter &) = delete;
    GifWriter &operator=(const GifWriter &) = delete;

    // delayCs: how long the frame stays, in hundredths of a second. False once anything failed.
    bool addFrame(const QImage &frame, int delayCs);
    // The whole file; nothing when a frame or the trailer could not be encoded.
    std::optional<std::string> finish();
    const std::string &error() const { return m_error; }
    int frameCount() const { return m_frames; }

private:
    bool fail(const char *what, int gifError);
    bool putLoopForever();
    QRect changedRect(const QImage &frame) const;

    QSize m_size;
    GifFileType *m_gif = nullptr;
    std::string m_bytes;
    std::string m_error;
    QImage m_previous;
    int m_frames = 0;
};
