// `tracelet render` of a whole path setup: the input is the .kvt text and its data file. The
// setup's names are looked up beside it, where a map, two characters and the data file lie, so
// mutated origins, periods, rows and paths all reach the renderer and its clock.

#include "FuzzSupport.h"
#include "app/RenderCommand.h"

#include <QImage>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>
#include <sstream>

namespace {

void writeFixedFiles()
{
    static const bool written = [] {
        ensureApplication();
        QImage map(80, 60, QImage::Format_RGB888);
        map.fill(Qt::darkGreen);
        map.save(QString::fromStdString(scratchPath("map.bmp")), "BMP");
        for (const char *name : { "c1.bmp", "c2.bmp" }) {
            QImage walker(32, 32, QImage::Format_RGB888);
            walker.fill(Qt::white);
            walker.setPixel(16, 4, qRgb(200, 0, 0));
            walker.save(QString::fromStdString(scratchPath(name)), "BMP");
        }
        return true;
    }();
    (void)written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    writeFixedFiles();
    FuzzedDataProvider input(data, size);
    const std::string setup = input.ConsumeRandomLengthString(600);
    const std::string walk = input.ConsumeRemainingBytesAsString();
    std::ofstream(scratchPath("walk.csv"), std::ios::binary) << walk;
    const std::string kvt = scratchPath("input.kvt");
    std::ofstream(kvt, std::ios::binary) << setup;
    std::ostringstream out, err;
    // A short GIF: the frame loop and its clock, not the encoder, are what is under test here.
    renderCommand({ "render", kvt, "-o", scratchPath("out.gif"), "--size-limit", "8" }, out, err);
    return 0;
}
