// Teaching points read from a points file, as `tracelet route` and play in teaching mode take
// them, turned into a straight or curved route with the settings the input gives, written as a
// route file; that file must read back as a path data file of as many rows as the route has.

#include "FuzzSupport.h"
#include "data/CsvReader.h"
#include "path/core/TeachingRoute.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static DataSeries read, route, played;
    static TeachingPoints points;
    static SplineWork spline;
    FuzzedDataProvider input(data, size);
    RouteSettings settings;
    settings.curve = input.ConsumeBool();
    settings.divisionCount = input.ConsumeIntegralInRange(1, 100);
    settings.moveTimeMs = input.ConsumeIntegralInRange(10, 10000);
    settings.plotPeriodMs = settings.moveTimeMs / settings.divisionCount;
    const int zoomIndex = input.ConsumeIntegralInRange(0, 2);
    DataColumns columns;
    columns.startRow = input.ConsumeIntegralInRange(1, 3);
    columns.useY = true;
    const auto bytes = input.ConsumeRemainingBytes<std::uint8_t>();

    columns.path = writeInputFile(bytes.data(), bytes.size());
    points.count = loadDataColumns(columns, read, false);
    points.x = read.x;
    points.y = read.y;

    settings.filePath = scratchPath("route.csv");
    const TeachingRouteResult result
        = buildTeachingRoute(points, settings, spline, zoomIndex, route);
    if (result != TeachingRouteResult::Built)
        return 0;
    const int count = routePointCount(points.count, settings.divisionCount);
    if (route.lastIndex != count - 1)
        std::abort();

    DataColumns routeColumns;
    routeColumns.path = settings.filePath;
    routeColumns.startRow = 2;
    routeColumns.useY = routeColumns.useDirection = routeColumns.useInterpSpeed
        = routeColumns.usePlotSpeed = true;
    if (loadDataColumns(routeColumns, played, true) != count
        || played.firstRowPlotSpeed != playedPeriodMs(settings))
        std::abort();
    return 0;
}
