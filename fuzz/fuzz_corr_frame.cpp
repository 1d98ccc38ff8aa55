// A data file as the correlation run reads it, with column, row and frame settings from the
// input: range widening, frame, statistics and regression line, then the whole diagram drawn into
// memory surfaces (every point, the lines, the read-outs, one tick's marker), wherever the
// numbers put it.

#include "FuzzSupport.h"
#include "correlation/core/CorrFrame.h"
#include "correlation/ui/CorrelationDrawing.h"
#include "data/CsvReader.h"
#include "data/NumberText.h"
#include "mainwnd/GdiState.h"
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
    static CorrelationModel model;
    FuzzedDataProvider input(data, size);
    DataColumns columns;
    columns.xColumn = input.ConsumeIntegralInRange(-2, 1030);
    columns.yColumn = input.ConsumeIntegralInRange(-2, 1030);
    columns.useY = input.ConsumeBool();
    columns.startRow = input.ConsumeIntegralInRange(-1, 4);
    CorrSetupValues setup;
    setup.autoScale = input.ConsumeBool();
    // The frame values come from edit texts or setup-file lines: any decimal text.
    for (double *value :
        { &setup.frameXTop, &setup.frameXBottom, &setup.frameYTop, &setup.frameYBottom })
        *value = parseDouble(input.ConsumeRandomLengthString(24));
    const int tickPoint = input.ConsumeIntegral<std::uint16_t>();
    const std::string file = input.ConsumeRemainingBytesAsString();
    columns.path = writeInputFile(reinterpret_cast<const std::uint8_t *>(file.data()), file.size());
    DataSeries &points = model.points;
    if (!columns.useY) // the reader leaves Y as it was: as the program does, but from nothing
        std::fill(points.y.begin(), points.y.end(), 0.0);
    const int rows = loadDataColumns(columns, points, false);
    if (rows <= 0)
        return 0;
    widenFrameToData(model.frame, points);
    computeFrame(model.frame, setup);
    const CorrFrame &frame = model.frame;
    GdiState &gs = drawingObjects();
    gs.plotDC.SelectObject(&gs.plotLayer);
    clearLayer(gs, gs.plotDC);
    gs.overlayDC.SelectObject(&gs.overlayLayer);
    clearLayer(gs, gs.overlayDC);
    drawFrame(frame, gs);
    CPen *previous = gs.plotDC.SelectObject(&gs.penRed1);
    for (int i = 0; i <= points.lastIndex; ++i)
        drawPointCircle(gs.plotDC, toPixelX(frame, points.x[static_cast<std::size_t>(i)]),
            toPixelY(frame, points.y[static_cast<std::size_t>(i)]));
    gs.plotDC.SelectObject(previous);
    drawStatistics(model, gs, points.lastIndex, gs.overlayDC);
    // One animation tick's worth: the statistics so far on the plot layer and the current point.
    const int k = tickPoint % rows;
    drawStatistics(model, gs, k, gs.plotDC);
    gs.plotDC.SelectObject(&gs.brushAzure);
    drawPointDisc(gs.plotDC, toPixelX(frame, points.x[static_cast<std::size_t>(k)]),
        toPixelY(frame, points.y[static_cast<std::size_t>(k)]));
    gs.plotDC.SelectObject(&gs.brushWhite);
    composeToCanvas(gs);
    return 0;
}
