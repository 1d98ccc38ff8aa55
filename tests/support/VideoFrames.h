#pragma once

// Decodes a video file back into RGB pictures with FFmpeg, to see what a player shows.

#include <QImage>
#include <string>
#include <vector>

struct VideoFrames
{
    std::vector<QImage> frames;
    std::vector<long long> startsMs;
    std::string codec;
    std::string error;
};

VideoFrames decodeVideo(const std::string &path);
