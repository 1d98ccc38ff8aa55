#pragma once

// Where the frames of a recorded animation go: an animated GIF or a video file. A frame stays on
// screen from startMs to endMs after the animation began.

#include <QImage>
#include <string>

class FrameSink
{
public:
    virtual ~FrameSink() = default;
    // False once anything failed; error() then says what.
    virtual bool addFrame(const QImage &frame, long long startMs, long long endMs) = 0;
    // Writes what is still pending; false when the file could not be completed.
    virtual bool finish() = 0;
    virtual const std::string &error() const = 0;
    virtual int frameCount() const = 0;
};
