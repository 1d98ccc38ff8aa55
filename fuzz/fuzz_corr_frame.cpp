// A data file as the correlation run reads it, with column, row and frame settings from the
// input: range widening, frame, statistics and regression line, then the whole diagram drawn into
// memory surfaces (every point, the lines, the read-outs, one tick's marker), wherever the
// numbers put it.

#include "FuzzSupport.h"
#include "correlation/core/CorrFrame.h"
#include "correlation/ui/CorrelationDrawing.h"
#include "data/CsvReader.h"
#include "data/NumberText.h"
#include "mainwnd/ClockTasks.h"
#include "mainwnd/GdiState.h"
#include "mainwnd/RunState.h"
#include "platform/Resources.h"
#include "res/ResourceIds.h"
#include "res/TraceletResources.h"

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

GdiState &drawingObjects()
{
    static GdiState *gs = [] {
        ensureApplication();
        registerTraceletResources();
        auto *state = new GdiState;
        for (CDC *dc : { &state->composeDC, &state->plotDC, &state->overlayDC, &state->patchDC })
            dc->CreateCompatibleDC(nullptr);
        LoadBitmap(state->canvasBitmap, IDB_CANVAS);
        LoadBitmap(state->plotLayer, IDB_PLOT);
        LoadBitmap(state->overlayLayer, IDB_OVERLAY);
        LoadBitmap(state->patchLayer, IDB_PATCH);
        state->penWhite2.CreatePen(PS_SOLID, 2, RGB(255, 255, 255));
        state->brushWhite.CreateSolidBrush(RGB(255, 255, 255));
        state->penRed1.CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
        state->brushRed.CreateSolidBrush(RGB(255, 0, 0));
        state->penAzure1.CreatePen(PS_SOLID, 1, RGB(0, 127, 255));
        state->brushAzure.CreateSolidBrush(RGB(0, 127, 255));
        state->penCyan1.CreatePen(PS_SOLID, 1, RGB(0, 255, 255));
        state->penDarkGreen1.CreatePen(PS_SOLID, 1, RGB(0, 127, 11));
        state->smallFont.CreateFont(
            10, 0, 0, 0, 400, false, false, false, 128, 2, 0, 0, 0, "ＭＳ ゴシック");
        state->overlayDC.SelectObject(&state->smallFont);
        state->overlayDC.SelectObject(&state->penDarkGreen1);
        return state;
    }();
    return *gs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    RunState *rs = &reusedState();
    rs->xColumn = input.ConsumeIntegralInRange(-2, 1030);
    rs->yColumn = input.ConsumeIntegralInRange(-2, 1030);
    rs->useYColumn = input.ConsumeBool();
    rs->dataStartRow = input.ConsumeIntegralInRange(-1, 4);
    rs->corrAutoScale = input.ConsumeBool();
    // The frame values come from edit texts or setup-file lines: any decimal text.
    for (double *value :
        { &rs->corrFrameXTop, &rs->corrFrameXBottom, &rs->corrFrameYTop, &rs->corrFrameYBottom })
        *value = parseDouble(input.ConsumeRandomLengthString(24));
    const int tickPoint = input.ConsumeIntegral<std::uint16_t>();
    const std::string file = input.ConsumeRemainingBytesAsString();
    rs->dataFilePath
        = writeInputFile(reinterpret_cast<const std::uint8_t *>(file.data()), file.size());

    if (!rs->useYColumn) // the reader leaves Y as it was: as the program does, but from nothing
        std::fill(rs->dataY.begin(), rs->dataY.end(), 0.0);
    const int rows = loadDataColumns(*rs, false);
    if (rows <= 0)
        return 0;
    computeFrame(*rs);

    GdiState &gs = drawingObjects();
    gs.plotDC.SelectObject(&gs.plotLayer);
    clearLayer(*rs, gs, gs.plotDC);
    gs.overlayDC.SelectObject(&gs.overlayLayer);
    clearLayer(*rs, gs, gs.overlayDC);
    drawFrame(*rs, gs);
    CPen *previous = gs.plotDC.SelectObject(&gs.penRed1);
    for (int i = 0; i <= rs->lastIndex; ++i)
        drawPointCircle(gs.plotDC, toPixelX(*rs, rs->dataX[static_cast<std::size_t>(i)]),
            toPixelY(*rs, rs->dataY[static_cast<std::size_t>(i)]));
    gs.plotDC.SelectObject(previous);
    drawStatistics(*rs, gs, rs->lastIndex, gs.overlayDC);

    // One animation tick's worth: the statistics so far on the plot layer and the current point.
    const int k = tickPoint % rows;
    drawStatistics(*rs, gs, k, gs.plotDC);
    gs.plotDC.SelectObject(&gs.brushAzure);
    drawPointDisc(gs.plotDC, toPixelX(*rs, rs->dataX[static_cast<std::size_t>(k)]),
        toPixelY(*rs, rs->dataY[static_cast<std::size_t>(k)]));
    gs.plotDC.SelectObject(&gs.brushWhite);
    composeToCanvas(gs);
    return 0;
}
