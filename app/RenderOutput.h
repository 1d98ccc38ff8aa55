#pragma once

// The file a headless render writes: the finished picture (PNG) or the animation as it plays on
// the manual clock (GIF or MP4), streamed into a temporary file that becomes the output only
// when it is complete.

#include <optional>
#include <ostream>
#include <string>

class RenderSession;
struct RenderScene;

enum class OutputKind { Png, Gif, Mp4 };

struct OutputOptions
{
    OutputKind kind = OutputKind::Png;
    std::optional<int> frameEveryMs; // animations: time between frames (default: the plot period)
    int sizeLimit = 600; // animations: at most this many frames
    int plays = 0; // GIF: how often it plays, 0 forever
    int scale = 1; // every picture pixel becomes scale × scale pixels
    bool exact = false; // MP4: lossless 4:4:4 instead of the 4:2:0 every player opens
    bool progressLines = false; // progress as plain lines on stderr, even when not a terminal
};

// The output kind of a file name by its extension (any case); nothing for other names.
std::optional<OutputKind> outputKindOf(const std::string &fileName);

// Plays the scene that has started in the session and writes it to target, with progress on
// `progress`. False, with error set and no file written, when anything failed.
bool writeRenderOutput(RenderSession &session, const RenderScene &scene,
    const OutputOptions &options, const std::string &target, std::ostream &progress,
    std::string &error);
