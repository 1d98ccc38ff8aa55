#include "app/RenderOutput.h"

#include "app/RenderSession.h"
#include "data/PlaySchedule.h"
#include "export/GifEncoder.h"
#include "export/Mp4Encoder.h"
#include "export/OutputFile.h"
#include "export/RenderProgress.h"

#include <QBuffer>
#include <algorithm>

namespace {

constexpr long long kFinalHoldMs = 2000; // an animation rests on its finished picture
// Beyond this the render's clock jumps from frame to frame: the window's own timers (the
// character's blink, the view's refresh) fire once, as after a sleep, not millions of times.
constexpr long long kLongestSteadyStepMs = 60'000;

void moveClock(RenderSession &session, long long ms)
{
    if (ms > kLongestSteadyStepMs)
        session.clock.jump(ms);
    else
        session.clock.advance(ms);
}

QImage enlarged(const QImage &picture, int scale)
{
    if (scale == 1)
        return picture;
    return picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The time between frames: the asked-for interval, stretched so the animation fits the limit.
long long frameInterval(const RenderScene &scene, const OutputOptions &options)
{
    const long long total = static_cast<long long>(scene.points) * scene.periodMs;
    const long long fitting = (total + options.sizeLimit - 1) / options.sizeLimit;
    return std::max<long long>(options.frameEveryMs.value_or(scene.periodMs), fitting);
}

// Adds the picture as it stands, shown from shownAt until the next frame (or, once the animation
// ended, for its final rest); false with error set when the sink failed.
bool addFrame(RenderSession &session, FrameSink &sink, long long shownAt, long long next,
    bool ended, std::string &error)
{
    const long long until = ended ? shownAt + std::max(next - shownAt, kFinalHoldMs) : next;
    if (sink.addFrame(session.picture(), shownAt, until))
        return true;
    error = sink.error();
    return false;
}

// Plays a run with logged times: one capture as each point is due, or on a grid (frameTimesMs).
// The clock moves to each capture's time from the start, so that no rounding adds up.
bool recordSchedule(RenderSession &session, const RenderScene &scene, const OutputOptions &options,
    FrameSink &sink, RenderProgress &progress, std::string &error)
{
    const std::vector<long long> frames
        = frameTimesMs(scene.dueMs, options.frameEveryMs, options.sizeLimit);
    progress.setTotal(static_cast<int>(frames.size()));
    long long now = 0;
    for (std::size_t k = 0; k < frames.size(); ++k) {
        moveClock(session, frames[k] - now);
        now = frames[k];
        const bool ended = !scene.animating();
        const long long next = k + 1 < frames.size() ? frames[k + 1] : now;
        if (!addFrame(session, sink, now, next, ended || k + 1 == frames.size(), error))
            return false;
        progress.frameDone(sink.frameCount());
        if (ended)
            return true;
    }
    error = "the animation did not end within " + std::to_string(options.sizeLimit) + " frames";
    return false;
}

// Plays the animation on the manual clock, one capture every interval.
bool record(RenderSession &session, const RenderScene &scene, const OutputOptions &options,
    FrameSink &sink, std::ostream &progressStream, std::string &error)
{
    RenderProgress progress(RenderProgress::styleFor(options.progressLines), progressStream);
    if (scene.periodMs <= 0 || !scene.animating()) {
        progress.setTotal(1);
        const bool added = sink.addFrame(session.picture(), 0, kFinalHoldMs);
        progress.frameDone(1);
        error = sink.error();
        return added;
    }
    if (!scene.dueMs.empty())
        return recordSchedule(session, scene, options, sink, progress, error);
    const long long every = frameInterval(scene, options);
    const long long total = static_cast<long long>(scene.points) * scene.periodMs;
    progress.setTotal(
        static_cast<int>(std::min<long long>((total + every - 1) / every, options.sizeLimit)));
    // The ticks before the last one of each interval draw for no one: they need not show it.
    Playback &pb = session.window().playback();
    const long long unseen = std::max<long long>(every - scene.periodMs, 0);
    for (long long shownAt = every;; shownAt += every) {
        pb.setUnseen(true);
        moveClock(session, unseen);
        pb.setUnseen(false);
        moveClock(session, every - unseen);
        const bool ended = !scene.animating();
        const long long until = shownAt + (ended ? std::max(every, kFinalHoldMs) : every);
        if (!sink.addFrame(session.picture(), shownAt, until)) {
            error = sink.error();
            return false;
        }
        progress.frameDone(sink.frameCount());
        if (ended)
            return true;
        if (sink.frameCount() >= options.sizeLimit) {
            error = "the animation did not end within " + std::to_string(options.sizeLimit)
                + " frames";
            return false;
        }
    }
}

bool writePng(RenderSession &session, const RenderScene &scene, const OutputOptions &options,
    OutputFile &file, std::string &error)
{
    // Point by point, so that the picture is the one of the moment the last point is drawn (a
    // path run goes on redrawing it, with the character frames still alternating).
    if (!scene.dueMs.empty()) {
        moveClock(session, scene.dueMs.back());
    } else if (scene.periodMs > 0) {
        for (int i = 0; i <= scene.points && scene.animating(); ++i)
            moveClock(session, scene.periodMs);
        if (scene.animating()) {
            error = "the animation did not end";
            return false;
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!enlarged(session.picture(), options.scale).save(&buffer, "PNG")) {
        error = "cannot encode the picture as PNG";
        return false;
    }
    if (!file.write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        error = file.failure();
        return false;
    }
    return true;
}

} // namespace

std::optional<OutputKind> outputKindOf(const std::string &fileName)
{
    const QString name = QString::fromStdString(fileName).toLower();
    if (name.endsWith(QLatin1String(".png")))
        return OutputKind::Png;
    if (name.endsWith(QLatin1String(".gif")))
        return OutputKind::Gif;
    if (name.endsWith(QLatin1String(".mp4")))
        return OutputKind::Mp4;
    return std::nullopt;
}

bool writeRenderOutput(RenderSession &session, const RenderScene &scene,
    const OutputOptions &options, const std::string &target, std::ostream &progress,
    std::string &error)
{
    OutputFile file(target);
    if (!file.isOpen()) {
        error = file.failure();
        return false;
    }
    bool written = false;
    const QSize size = session.picture().size();
    switch (options.kind) {
    case OutputKind::Png:
        written = writePng(session, scene, options, file, error);
        break;
    case OutputKind::Gif: {
        GifEncoder gif(file, size, GifOptions { options.scale, options.plays });
        written = record(session, scene, options, gif, progress, error) && gif.finish();
        if (!written && error.empty())
            error = gif.error();
        break;
    }
    case OutputKind::Mp4: {
        Mp4Encoder video(file, size, options.scale, options.exact);
        written = record(session, scene, options, video, progress, error) && video.finish();
        if (!written && error.empty())
            error = video.error();
        break;
    }
    }
    if (written && !file.commit()) {
        error = file.failure();
        written = false;
    }
    return written;
}
