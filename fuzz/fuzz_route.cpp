// Teaching points read from a points file, as `tracelet route` and play in teaching mode take
// them, turned into a straight or curved route with the settings the input gives, written as a
// route file; that file must read back as a path data file of as many rows as the route has.

#include "FuzzSupport.h"
#include "data/CsvReader.h"
#include "mainwnd/RunState.h"
#include "path/core/TeachingRoute.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    RunState *rs = &reusedState(0);
    rs->curveInterpolation = input.ConsumeBool();
    rs->linearInterpolation = !rs->curveInterpolation;
    rs->divisionCount = input.ConsumeIntegralInRange(1, 100);
    rs->teachMoveTimeMs = input.ConsumeIntegralInRange(10, 10000);
    rs->plotPeriodMs = rs->teachMoveTimeMs / rs->divisionCount;
    rs->zoomIndex = input.ConsumeIntegralInRange(0, 2);
    rs->dataStartRow = input.ConsumeIntegralInRange(1, 3);
    const auto points = input.ConsumeRemainingBytes<std::uint8_t>();

    rs->dataFilePath = writeInputFile(points.data(), points.size());
    rs->xColumn = 1;
    rs->yColumn = 2;
    rs->useYColumn = true;
    const int count = loadDataColumns(*rs, false);
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        rs->teachX[i] = rs->dataX[i];
        rs->teachY[i] = rs->dataY[i];
    }
    rs->teachCount = count;

    const std::string routeFile = scratchPath("route.csv");
    rs->dataFilePath = routeFile;
    const TeachingRouteResult result = buildTeachingRoute(*rs, [](int) {});
    if (result != TeachingRouteResult::Built)
        return 0;
    if (rs->lastIndex != rs->outputPointCount - 1 || rs->sourceMode != 3)
        std::abort();

    RunState *played = &reusedState(1);
    played->dataFilePath = routeFile;
    played->dataStartRow = 2;
    played->xColumn = 1;
    played->yColumn = 2;
    played->directionColumn = 3;
    played->interpSpeedColumn = 4;
    played->plotSpeedColumn = 5;
    played->useYColumn = played->useDirectionColumn = played->useInterpSpeedColumn
        = played->usePlotSpeedColumn = true;
    if (loadDataColumns(*played, true) != rs->outputPointCount
        || played->tickPeriodMs != rs->plotPeriodMs)
        std::abort();
    return 0;
}
