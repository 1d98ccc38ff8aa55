#include "app/cli/StatsCommand.h"

#include "app/cli/CommandLine.h"
#include "correlation/core/CorrFrame.h"
#include "correlation/core/CorrStatistics.h"
#include "correlation/core/FitFrame.h"
#include "data/CsvDialect.h"
#include "data/CsvReader.h"
#include "data/DataReadReport.h"
#include "data/NumberText.h"

#include <array>
#include <memory>
#include <optional>
#include <utility>

namespace {

// The column, row and frame ranges the correlation setup accepts.
constexpr int kMaxColumnOrRow = 10000;

struct StatsOptions
{
    std::string dataFile;
    int xColumn = 1;
    int yColumn = 2;
    int startRow = 1;
    std::optional<std::array<double, 4>> frame;
    bool fitFrame = false;
};

std::optional<std::array<double, 4>> parseFrame(std::string_view text)
{
    std::array<double, 4> values {};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t comma = text.find(',');
        const bool last = i + 1 == values.size();
        if (last != (comma == std::string_view::npos))
            return std::nullopt;
        const auto value = parseWholeDouble(text.substr(0, comma));
        if (!value)
            return std::nullopt;
        values[i] = *value;
        text.remove_prefix(last ? text.size() : comma + 1);
    }
    return values;
}

bool readCount(const CommandArguments &parsed, std::string_view name, int &target)
{
    const auto text = parsed.value(name);
    if (!text)
        return true;
    const auto value = parseWholeInt(*text);
    if (!value || *value < 1 || *value > kMaxColumnOrRow)
        return false;
    target = *value;
    return true;
}

std::optional<StatsOptions> parseStatsOptions(const CommandArguments &parsed, std::string &error)
{
    StatsOptions options;
    if (parsed.positional.size() != 1) {
        error = "expected exactly one data file";
        return std::nullopt;
    }
    options.dataFile = parsed.positional.front();
    if (!readCount(parsed, "--x", options.xColumn) || !readCount(parsed, "--y", options.yColumn)
        || !readCount(parsed, "--start", options.startRow)) {
        error = "columns and the start row are whole numbers from 1 to 10000";
        return std::nullopt;
    }
    options.fitFrame = parsed.flag("--fit-frame");
    if (const auto frame = parsed.value("--frame")) {
        if (options.fitFrame) {
            error = "--frame and --fit-frame exclude each other";
            return std::nullopt;
        }
        options.frame = parseFrame(*frame);
        if (!options.frame) {
            error = "--frame takes four numbers: XTOP,XBOTTOM,YTOP,YBOTTOM";
            return std::nullopt;
        }
    }
    return options;
}

// The count of lines left out for one reason and the first of their numbers, as JSON.
std::pair<std::string, std::string> skippedJson(const DataReadReport::SkippedLines &lines)
{
    std::string numbers;
    for (int line : lines.listed())
        numbers.append(numbers.empty() ? "" : ", ").append(formatInt(line));
    return { formatInt(lines.count), "[" + numbers + "]" };
}

void printStats(std::ostream &out, const DataSeries &points, const CorrFrame &frame,
    const CorrStatistics &stats, const DataReadReport &report, const std::array<double, 4> &widened,
    bool hasLine, bool hasCoefficient)
{
    const auto [emptyLines, emptyFirst] = skippedJson(report.skipped[DataReadReport::EmptyLine]);
    const auto [noNumber, noNumberFirst] = skippedJson(report.skipped[DataReadReport::NoNumber]);
    const auto [otherDialect, otherDialectFirst]
        = skippedJson(report.skipped[DataReadReport::OtherDialect]);
    const std::pair<const char *, std::string> fields[] = {
        { "rowCount", formatInt(report.rowsRead) },
        { "lastIndex", formatInt(points.lastIndex) },
        { "widenedXMax", frameEdgeText(widened[0]) },
        { "widenedXMin", frameEdgeText(widened[1]) },
        { "widenedYMax", frameEdgeText(widened[2]) },
        { "widenedYMin", frameEdgeText(widened[3]) },
        { "frameXMax", frameEdgeText(frame.xMax) },
        { "frameXMin", frameEdgeText(frame.xMin) },
        { "frameYMax", frameEdgeText(frame.yMax) },
        { "frameYMin", frameEdgeText(frame.yMin) },
        { "corrScaleX", jsonNumber(frame.scaleX) },
        { "corrScaleY", jsonNumber(frame.scaleY) },
        { "frameCentreX", jsonNumber(frame.centreX) },
        { "frameCentreY", jsonNumber(frame.centreY) },
        { "corrOffsetX", formatInt(frame.offsetX) },
        { "corrOffsetY", formatInt(frame.offsetY) },
        { "meanX", jsonNumber(stats.meanX) },
        { "meanY", jsonNumber(stats.meanY) },
        { "regressionSlope", hasLine ? jsonNumber(stats.slope) : "null" },
        { "regressionIntercept", hasLine ? jsonNumber(stats.intercept) : "null" },
        { "r", hasCoefficient ? jsonNumber(correlationCoefficient(stats)) : "null" },
        // Lines after the headings that gave no row, and the first of their numbers.
        { "emptyLines", emptyLines },
        { "emptyLinesFirst", emptyFirst },
        { "noNumberLines", noNumber },
        { "noNumberLinesFirst", noNumberFirst },
        { "otherDialectLines", otherDialect },
        { "otherDialectLinesFirst", otherDialectFirst },
    };
    std::string text = "{\n";
    for (const auto &[key, value] : fields) {
        if (text.size() > 2)
            text += ",\n";
        text.append("  \"").append(key).append("\": ").append(value);
    }
    text += "\n}\n";
    out << text;
}

} // namespace

void printStatsUsage(std::ostream &stream)
{
    stream << "Usage: tracelet stats DATA.csv [--x COL] [--y COL] [--start ROW]\n"
              "                      [--frame XTOP,XBOTTOM,YTOP,YBOTTOM | --fit-frame]\n"
              "\n"
              "Reads X and Y from a CSV data file as the correlation diagram does, and prints the\n"
              "frame and the statistics over all rows read as one JSON object.\n"
              "\n"
              "  --x COL        column of X, 1 to 10000 (default 1)\n"
              "  --y COL        column of Y, 1 to 10000 (default 2)\n"
              "  --start ROW    line of the first data row, 1 to 10000 (default 1)\n"
              "  --frame XTOP,XBOTTOM,YTOP,YBOTTOM\n"
              "                 fixed frame values instead of the automatic scale\n"
              "  --fit-frame    a frame that fits the data, with round edges\n"
              "  -h, --help     show this help\n";
}

int runStatsCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    std::string error;
    const auto parsed = parseArguments(
        args, { { "--x", "--y", "--start", "--frame" }, { "--fit-frame" } }, error);
    if (parsed && parsed->help) {
        printStatsUsage(out);
        return kExitOk;
    }
    const auto options = parsed ? parseStatsOptions(*parsed, error) : std::nullopt;
    if (!options) {
        err << "tracelet stats: " << error << "\n";
        printStatsUsage(err);
        return kExitUsage;
    }
    if (!isReadableFile(options->dataFile)) {
        err << "tracelet stats: cannot read " << options->dataFile << "\n";
        return kExitFailed;
    }
    DataColumns columns;
    columns.path = options->dataFile;
    columns.xColumn = options->xColumn;
    columns.yColumn = options->yColumn;
    columns.useY = true;
    columns.startRow = options->startRow;
    CorrSetupValues setup;
    setup.autoScale = !options->frame;
    if (options->frame) {
        setup.frameXTop = (*options->frame)[0];
        setup.frameXBottom = (*options->frame)[1];
        setup.frameYTop = (*options->frame)[2];
        setup.frameYBottom = (*options->frame)[3];
    }
    auto points = std::make_unique<DataSeries>();
    DataReadReport report;
    const int rowCount = loadDataColumns(columns, *points, false, &report);
    noteDialect(err, "stats", options->dataFile, report.dialect);
    if (report.outcome == DataReadReport::Outcome::TooManyRows) {
        err << "tracelet stats: " << options->dataFile << " has more than "
            << formatInt(columns.rowLimit) << " rows, more than a read takes\n";
        return kExitFailed;
    }
    noteDataRead(err, "stats", options->dataFile, report);
    if (rowCount == 0) {
        err << "tracelet stats: no data row in " << options->dataFile << " from line "
            << formatInt(options->startRow) << "\n";
        return kExitFailed;
    }
    CorrFrame frame;
    widenFrameToData(frame, *points);
    const std::array<double, 4> widened { frame.xMax, frame.xMin, frame.yMax, frame.yMin };
    if (options->fitFrame)
        fitFrameToData(frame, *points);
    else
        computeFrame(frame, setup);
    CorrStatistics stats;
    const auto [hasLine, hasCoefficient] = computeStatistics(stats, *points, points->lastIndex);
    printStats(out, *points, frame, stats, report, widened, hasLine, hasCoefficient);
    return kExitOk;
}
