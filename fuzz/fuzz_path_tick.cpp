// The path tick as the window runs it, with the data, the origin, the zoom steps and the scrolls
// from the input: a run is started once over a small map with a character, then every input
// becomes its points and view, and the diagram ticks, zooms and scrolls over them.

#include "FuzzSupport.h"
#include "app/RenderSession.h"
#include "data/CsvReader.h"
#include "data/NumberText.h"
#include "mainwnd/Playback.h"
#include "path/ui/PathDiagram.h"
#include "res/ControlIds.h"

#include <QImage>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

PathDiagram &runningPath(RenderSession *&session)
{
    static PathDiagram *diagram = [&session] {
        ensureApplication();
        QImage map(96, 64, QImage::Format_RGB888);
        map.fill(Qt::darkGreen);
        map.save(QString::fromStdString(scratchPath("map.bmp")), "BMP");
        QImage walker(32, 32, QImage::Format_RGB888);
        walker.fill(Qt::white);
        walker.setPixel(16, 4, qRgb(200, 0, 0));
        walker.save(QString::fromStdString(scratchPath("walker.bmp")), "BMP");
        std::ofstream(scratchPath("start.csv")) << "X,Y\n1,1,0,1000,50\n2,2,0\n";
        std::ofstream(scratchPath("start.kvt")) << "KVT_GRIDWALK_SETUP\r\n"
                                                << scratchPath("map.bmp") << "\r\n0\r\n0\r\n"
                                                << scratchPath("walker.bmp") << "\r\n"
                                                << scratchPath("walker.bmp") << "\r\n"
                                                << scratchPath("start.csv") << "\r\n";
        session = new RenderSession; // lives as long as the process
        std::string error;
        std::vector<std::string> notes;
        if (!startScene(
                *session, "path", RunRequest { scratchPath("start.kvt"), 0, {} }, notes, error))
            std::abort();
        return &static_cast<PathDiagram &>(session->window().diagram("path"));
    }();
    return *diagram;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static RenderSession *session = nullptr;
    PathDiagram &path = runningPath(session);
    FuzzedDataProvider input(data, size);
    PathModel &m = path.model();
    // Origins come from setup-file lines and the origin dialog: any decimal text.
    m.view.originX = parseDouble(input.ConsumeRandomLengthString(24));
    m.view.originY = parseDouble(input.ConsumeRandomLengthString(24));
    const int zoomFirst = input.ConsumeIntegralInRange(-2, 2);
    const int ticks = input.ConsumeIntegralInRange(1, 12);
    const std::uint32_t moves = input.ConsumeIntegral<std::uint32_t>();
    const std::string file = "X,Y\n" + input.ConsumeRemainingBytesAsString();
    DataColumns columns;
    columns.path = writeInputFile(reinterpret_cast<const std::uint8_t *>(file.data()), file.size());
    columns.startRow = 2;
    columns.useY = columns.useDirection = columns.useInterpSpeed = columns.usePlotSpeed = true;
    const int rows = loadDataColumns(columns, m.points, true);
    if (rows <= 0)
        return 0;
    Playback &pb = session->window().playback();
    pb.loadRun(m.points.lastIndex, 50, ClockAtRest::RunsOn);
    pb.pressPlay(&path);
    MapNavigation &map = *path.capabilities().map;
    map.zoom(zoomFirst);
    for (int i = 0; i < ticks; ++i) {
        // Two bits a tick: sometimes a zoom or a scroll between ticks, as a person presses them.
        switch ((moves >> (2 * i)) & 3U) {
        case 1:
            map.zoom(i % 2 == 0 ? 1 : -1);
            break;
        case 2:
            map.scroll(static_cast<ScrollDirection>(i % 4));
            break;
        default:
            break;
        }
        pb.tick();
    }
    pb.endRun();
    return 0;
}
