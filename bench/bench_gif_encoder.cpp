// The GIF encoder alone on prepared frames: the 2,500-point sample rendered once with a frame
// per point, its frames decoded into memory, then written again as a GIF on every iteration.
// frames_per_cpu_s counts the CPU time of all threads, so it is the speed of one core; compare it
// with bench/pillow_gif_writer.py on the same frames. Set TRACELET_BENCH_FRAMES to a GIF to
// encode its frames instead.

#include "WindowBench.h"
#include "app/RenderCommand.h"
#include "export/GifEncoder.h"
#include "export/OutputFile.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <ctime>
#include <fstream>
#include <sstream>

namespace {

std::vector<QImage> sampleFrames(const QTemporaryDir &dir)
{
    QString source = qEnvironmentVariable("TRACELET_BENCH_FRAMES");
    if (source.isEmpty()) {
        const std::string setup = dir.filePath("every-point.kvs").toStdString();
        std::ofstream(setup) << "KVT_GRIDWALK_SETUP_SOUKAN\r\n" TRACELET_SAMPLES_DIR
                                "/correlation_2500.csv\r\n1\r\n2\r\n2\r\n50\r\n1\r\n100.0\r\n"
                                "-100.0\r\n100.0\r\n-100.0\r\n";
        source = dir.filePath("frames.gif");
        std::ostringstream out, err;
        renderCommand(
            { "render", setup, "--size-limit", "2500", "-o", source.toStdString() }, out, err);
    }
    std::vector<QImage> frames;
    QImageReader reader(source);
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read())
        frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
    return frames;
}

void BM_GifEncoder(benchmark::State &state)
{
    const QTemporaryDir dir;
    const std::vector<QImage> frames = sampleFrames(dir);
    if (frames.empty()) {
        state.SkipWithError("no frames to encode");
        return;
    }
    std::size_t bytes = 0;
    double cpuSeconds = 0, wallSeconds = 0;
    for (auto _ : state) {
        const std::clock_t cpuStart = std::clock();
        const auto wallStart = std::chrono::steady_clock::now();
        OutputFile file(dir.filePath("again.gif").toStdString());
        GifEncoder gif(file, frames.front().size(), GifOptions {});
        long long at = 0;
        for (const QImage &frame : frames) {
            gif.addFrame(frame, at, at + 50);
            at += 50;
        }
        gif.finish();
        cpuSeconds += static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        wallSeconds
            += std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        bytes = static_cast<std::size_t>(std::filesystem::file_size(file.temporaryPath()));
    }
    const double encoded = static_cast<double>(frames.size() * state.iterations());
    state.counters["frames"] = static_cast<double>(frames.size());
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["frames_per_cpu_s"] = encoded / cpuSeconds;
    state.counters["frames_per_s"] = encoded / wallSeconds;
}
BENCHMARK(BM_GifEncoder)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

int main(int argc, char **argv) { return runWindowBenchmarks(argc, argv); }
