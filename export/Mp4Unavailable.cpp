// Built instead of Mp4Encoder.cpp when FFmpeg's libraries were missing: MP4 is refused up front.

#include "export/Mp4Encoder.h"

bool mp4Available() { return false; }

struct Mp4Encoder::Codec
{
};

Mp4Encoder::Mp4Encoder(OutputFile &, QSize pictureSize, int scale)
    : m_size(pictureSize)
    , m_scale(scale)
    , m_error("this tracelet was built without FFmpeg's libraries, so it cannot write MP4")
{
}

Mp4Encoder::~Mp4Encoder() = default;

bool Mp4Encoder::addFrame(const QImage &, long long, long long) { return false; }

bool Mp4Encoder::finish() { return false; }
