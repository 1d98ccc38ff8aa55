#pragma once

// The seam between the program and its MP4 writer, a plugin library (libtracelet_mp4.so) that
// alone links FFmpeg's libraries. The program opens it only when an MP4 is written, so starting
// the window or any other command loads no video library. Plain C types: the plugin has no Qt.

#include <cstddef>

extern "C" {

struct TraceletMp4Video;

struct TraceletMp4Settings
{
    int width; // of the frames handed in, in pixels
    int height;
    // Nonzero: lossless H.264 with full colour resolution (4:4:4), which few players open.
    // Zero: H.264 in 4:2:0, the kind every player opens, the picture padded with white to an
    // even size.
    int exact;
};

struct TraceletMp4Api
{
    int version; // kTraceletMp4ApiVersion of the plugin's build
    // Starts a video file at path; never null. error() says whether that succeeded.
    TraceletMp4Video *(*open)(const char *path, const TraceletMp4Settings *settings);
    // A frame of the settings' size, 32-bit pixels 0xAARRGGBB in native order (Qt's RGB32),
    // shown from startMs to endMs. Zero on failure.
    int (*addFrame)(TraceletMp4Video *video, const unsigned char *pixels, std::ptrdiff_t stride,
        long long startMs, long long endMs);
    // Writes what the encoder still holds and the file's index. Zero on failure.
    int (*finish)(TraceletMp4Video *video);
    // Empty while all is well, else what went wrong.
    const char *(*error)(const TraceletMp4Video *video);
    void (*close)(TraceletMp4Video *video);
};

// The one symbol the plugin exports.
const TraceletMp4Api *tracelet_mp4_api();
}

inline constexpr int kTraceletMp4ApiVersion = 1;
inline constexpr const char *kTraceletMp4Symbol = "tracelet_mp4_api";
