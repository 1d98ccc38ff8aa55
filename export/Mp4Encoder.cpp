#include "export/Mp4Encoder.h"

#include "export/Mp4Plugin.h"
#include "export/OutputFile.h"

#include <QLibrary>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Plugin
{
    const TraceletMp4Api *api = nullptr;
    std::string unavailable;
};

// $TRACELET_MP4_PLUGIN alone when it is set; otherwise beside the program (a build tree), then
// the installation's library folder.
[[maybe_unused]] std::vector<fs::path> pluginCandidates()
{
    if (const QString chosen = qEnvironmentVariable("TRACELET_MP4_PLUGIN"); !chosen.isEmpty())
        return { fs::path(chosen.toStdString()) };
    std::error_code failed;
    const fs::path programDir = fs::read_symlink("/proc/self/exe", failed).parent_path();
    const fs::path name = "libtracelet_mp4.so";
    return { programDir / name, (programDir / TRACELET_MP4_PLUGIN_DIR / name).lexically_normal() };
}

Plugin loadPlugin()
{
#ifndef TRACELET_MP4_PLUGIN_BUILT
    return { nullptr,
        "this tracelet was built without FFmpeg's libraries, so it cannot write MP4" };
#else
    std::string looked;
    for (const fs::path &file : pluginCandidates()) {
        if (!fs::exists(file)) {
            looked += (looked.empty() ? "" : ", ") + file.string();
            continue;
        }
        // Never unloaded: the writer may be needed again, and its libraries are big to reload.
        QLibrary library(QString::fromStdString(file.string()));
        if (!library.load())
            return { nullptr,
                "the MP4 writer cannot be loaded (" + library.errorString().toStdString()
                    + "); FFmpeg's libraries (libavcodec, libavformat, libswscale) must be "
                      "installed" };
        using Entry = const TraceletMp4Api *(*)();
        const auto entry = reinterpret_cast<Entry>(library.resolve(kTraceletMp4Symbol));
        const TraceletMp4Api *api = entry ? entry() : nullptr;
        if (!api || api->version != kTraceletMp4ApiVersion)
            return { nullptr, file.string() + " is not the MP4 writer of this tracelet" };
        return { api, {} };
    }
    return { nullptr, "the MP4 writer libtracelet_mp4.so is missing (looked for " + looked + ")" };
#endif
}

const Plugin &plugin()
{
    static const Plugin loaded = loadPlugin();
    return loaded;
}

} // namespace

std::string mp4Unavailable() { return plugin().unavailable; }

Mp4Encoder::Mp4Encoder(OutputFile &file, QSize pictureSize, int scale, bool exact)
    : m_api(plugin().api)
    , m_size(pictureSize)
    , m_scale(scale)
    , m_error(plugin().unavailable)
{
    if (!m_api)
        return;
    const QSize videoSize = pictureSize * scale;
    const TraceletMp4Settings settings { videoSize.width(), videoSize.height(), exact ? 1 : 0 };
    m_video = m_api->open(file.temporaryPath().c_str(), &settings);
    failed();
}

Mp4Encoder::~Mp4Encoder()
{
    if (m_video)
        m_api->close(m_video);
}

// Takes the plugin's error, if it has one.
bool Mp4Encoder::failed()
{
    if (m_error.empty() && m_video && *m_api->error(m_video))
        m_error = m_api->error(m_video);
    return !m_error.empty();
}

bool Mp4Encoder::addFrame(const QImage &picture, long long startMs, long long endMs)
{
    if (failed())
        return false;
    if (picture.size() != m_size) {
        m_error = "a frame differs in size from the first";
        return false;
    }
    QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (m_scale > 1)
        rgb = rgb.scaled(m_size * m_scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!m_api->addFrame(m_video, rgb.constBits(), rgb.bytesPerLine(), startMs, endMs)) {
        failed();
        return false;
    }
    ++m_frames;
    return true;
}

bool Mp4Encoder::finish()
{
    if (failed())
        return false;
    const bool finished = m_api->finish(m_video) != 0;
    return !failed() && finished;
}
