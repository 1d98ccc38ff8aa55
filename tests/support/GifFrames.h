#pragma once

// The frames of a GIF and the delay after each in milliseconds, as a viewer reads them.

#include <QImage>
#include <QImageReader>
#include <string>
#include <vector>

struct Gif
{
    std::vector<QImage> frames;
    std::vector<int> delays;
};

inline Gif readGif(const std::string &path)
{
    QImageReader reader(QString::fromStdString(path));
    Gif gif;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
        gif.frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
        gif.delays.push_back(reader.nextImageDelay());
    }
    return gif;
}

inline std::vector<QImage> gifFrames(const std::string &path) { return readGif(path).frames; }

// The last frame, or no picture when the file holds none.
inline QImage lastGifFrame(const std::string &path)
{
    const auto frames = gifFrames(path);
    return frames.empty() ? QImage() : frames.back();
}
