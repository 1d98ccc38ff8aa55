#include "app/cli/RouteCommand.h"

#include "app/cli/CommandLine.h"
#include "data/CsvDialect.h"
#include "data/CsvReader.h"
#include "data/DataReadReport.h"
#include "data/NumberText.h"
#include "path/core/TeachingRoute.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace {

// The ranges the path setup accepts.
constexpr int kMinDivisions = 1;
constexpr int kMaxDivisions = 100;
constexpr int kMinMoveTimeMs = 10;
constexpr int kMaxMoveTimeMs = 10000;
constexpr int kMaxStartRow = 10000;

struct RouteOptions
{
    std::string pointsFile;
    std::string routeFile;
    bool curve = false;
    bool utf8Heading = false;
    int divisions = 10;
    int moveTimeMs = 1000;
    int zoomIndex = 0;
    int startRow = 1;
};

bool readInt(const CommandArguments &parsed, std::string_view name, int &target)
{
    const auto text = parsed.value(name);
    if (!text)
        return true;
    const auto value = parseWholeInt(*text);
    if (!value)
        return false;
    target = *value;
    return true;
}

std::optional<RouteOptions> parseRouteOptions(const CommandArguments &parsed, std::string &error)
{
    RouteOptions options;
    if (parsed.positional.size() != 1) {
        error = "expected exactly one teaching-point file";
        return std::nullopt;
    }
    options.pointsFile = parsed.positional.front();
    const auto output = parsed.value("-o");
    if (!output || output->empty()) {
        error = "the route file is missing (-o ROUTE.csv)";
        return std::nullopt;
    }
    options.routeFile = std::string(*output);
    if (parsed.flag("--linear") && parsed.flag("--curve")) {
        error = "--linear and --curve exclude each other";
        return std::nullopt;
    }
    options.curve = parsed.flag("--curve");
    options.utf8Heading = parsed.flag("--utf8-heading");
    if (!readInt(parsed, "--divisions", options.divisions)
        || !readInt(parsed, "--move-time", options.moveTimeMs)
        || !readInt(parsed, "--zoom", options.zoomIndex)
        || !readInt(parsed, "--start", options.startRow)) {
        error = "option values are whole numbers";
        return std::nullopt;
    }
    if (options.zoomIndex < 0 || options.zoomIndex > 2) {
        error = "--zoom is 0, 1 or 2";
        return std::nullopt;
    }
    if (options.startRow < 1 || options.startRow > kMaxStartRow) {
        error = "--start is a line from 1 to 10000";
        return std::nullopt;
    }
    return options;
}

// Out-of-range settings are refused as the path setup refuses them.
std::optional<std::string> settingsError(const RouteOptions &options)
{
    if (options.divisions < kMinDivisions || options.divisions > kMaxDivisions)
        return "divisions must lie from 1 to 100, not " + formatInt(options.divisions);
    if (options.moveTimeMs < kMinMoveTimeMs || options.moveTimeMs > kMaxMoveTimeMs)
        return "move time must lie from 10 to 10000 ms, not " + formatInt(options.moveTimeMs);
    return std::nullopt;
}

// False, reading nothing, when the file holds more points than teaching takes.
bool loadTeachingPoints(TeachingPoints &points, const RouteOptions &options, std::ostream &err)
{
    DataColumns columns;
    columns.path = options.pointsFile;
    columns.useY = true;
    columns.startRow = options.startRow;
    columns.rowLimit = kTeachingCapacity;
    auto read = std::make_unique<DataSeries>();
    DataReadReport report;
    const int count = loadDataColumns(columns, *read, false, &report);
    if (report.outcome == DataReadReport::Outcome::TooManyRows)
        return false;
    noteDialect(err, "route", options.pointsFile, report.dialect);
    noteDataRead(err, "route", options.pointsFile, report);
    points.count = count;
    std::copy_n(read->x.begin(), count, points.x.begin());
    std::copy_n(read->y.begin(), count, points.y.begin());
    return true;
}

RouteSettings routeSettings(const RouteOptions &options)
{
    RouteSettings settings;
    settings.filePath = options.routeFile;
    settings.curve = options.curve;
    settings.utf8Heading = options.utf8Heading;
    settings.divisionCount = options.divisions;
    settings.moveTimeMs = options.moveTimeMs;
    settings.plotPeriodMs = options.moveTimeMs / options.divisions;
    return settings;
}

} // namespace

void printRouteUsage(std::ostream &stream)
{
    stream
        << "Usage: tracelet route POINTS.csv -o ROUTE.csv [--linear | --curve] [--divisions N]\n"
           "                      [--move-time MS] [--zoom 0|1|2] [--start ROW] [--utf8-heading]\n"
           "\n"
           "Builds the route through teaching points (x in column 1, y in column 2) as play in\n"
           "teaching mode does, and writes it as a path data file.\n"
           "\n"
           "  -o ROUTE.csv     route file to write\n"
           "  --linear         straight lines between the points (default)\n"
           "  --curve          quadratic B-spline through the points\n"
           "  --divisions N    steps between two teaching points, 1 to 100 (default 10)\n"
           "  --move-time MS   time from one teaching point to the next, 10 to 10000 ms\n"
           "                   (default 1000)\n"
           "  --zoom 0|1|2     zoom step the route is built at: coordinates x1, x2, x4\n"
           "                   (default 0)\n"
           "  --start ROW      line of the first point, 1 to 10000 (default 1)\n"
           "  --utf8-heading   the route file's heading line in UTF-8 instead of code page 932\n"
           "  -h, --help       show this help\n";
}

int runRouteCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    std::string error;
    const OptionSpec accepted { { "-o", "--divisions", "--move-time", "--zoom", "--start" },
        { "--linear", "--curve", "--utf8-heading" } };
    const auto parsed = parseArguments(args, accepted, error);
    if (parsed && parsed->help) {
        printRouteUsage(out);
        return kExitOk;
    }
    const auto options = parsed ? parseRouteOptions(*parsed, error) : std::nullopt;
    if (!options) {
        err << "tracelet route: " << error << "\n";
        printRouteUsage(err);
        return kExitUsage;
    }
    if (const auto problem = settingsError(*options)) {
        err << "tracelet route: " << *problem << "\n";
        return kExitUsage;
    }
    if (!isReadableFile(options->pointsFile)) {
        err << "tracelet route: cannot read " << options->pointsFile << "\n";
        return kExitFailed;
    }
    auto points = std::make_unique<TeachingPoints>();
    if (!loadTeachingPoints(*points, *options, err)) {
        err << "tracelet route: too many teaching points: more than "
            << formatInt(kTeachingCapacity) << " in " << options->pointsFile << "\n";
        return kExitFailed;
    }
    FileWriteResult fileError;
    SplineWork spline;
    auto route = std::make_unique<DataSeries>();
    switch (buildTeachingRoute(
        *points, routeSettings(*options), spline, options->zoomIndex, *route, &fileError)) {
    case TeachingRouteResult::Built:
        return kExitOk;
    case TeachingRouteResult::BuiltFileNotWritten:
        err << "tracelet route: cannot write " << options->routeFile << ": " << fileError.error
            << "\n";
        return kExitFailed;
    case TeachingRouteResult::TooFewPoints:
        err << "tracelet route: a route needs at least two teaching points; " << options->pointsFile
            << " holds " << formatInt(points->count) << "\n";
        return kExitFailed;
    case TeachingRouteResult::TooManyPoints:
        err << "tracelet route: too many teaching points: " << formatInt(points->count)
            << (options->curve && points->count > kSplineStride
                       ? " (the curve method takes at most 1000)"
                       : " at " + formatInt(options->divisions)
                           + " divisions make more than 10000 route points")
            << "\n";
        return kExitFailed;
    }
    return kExitFailed;
}
