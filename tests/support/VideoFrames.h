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
    std::string pixelFormat; // as FFmpeg names it: yuv420p, yuv444p
    std::string profile; // the H.264 profile: High, High 4:4:4 Predictive
};

VideoFrames decodeVideo(const std::string &path);

// The largest difference of any colour channel between two pictures over the area of the
// smaller (256 when a is smaller than b), and the share of that area's pixels differing by more
// than `by` in some channel.
struct PictureDifference
{
    int largest = 0;
    double shareOver = 0;
};
PictureDifference pictureDifference(const QImage &a, const QImage &b, int by = 0);
