#include "app/cli/StatsCommand.h"

#include "app/cli/CommandLine.h"
#include "correlation/core/CorrFrame.h"
#include "correlation/core/CorrStatistics.h"
#include "data/CsvReader.h"
#include "data/NumberText.h"
#include "mainwnd/RunState.h"

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
    if (const auto frame = parsed.value("--frame")) {
        options.frame = parseFrame(*frame);
        if (!options.frame) {
            error = "--frame takes four numbers: XTOP,XBOTTOM,YTOP,YBOTTOM";
            return std::nullopt;
        }
    }
    return options;
}

void printStats(std::ostream &out, const RunState &state, int rowCount,
    const std::array<int, 4> &widened, bool hasLine, bool hasCoefficient)
{
    const std::pair<const char *, std::string> fields[] = {
        { "rowCount", formatInt(rowCount) },
        { "lastIndex", formatInt(state.lastIndex) },
        { "widenedXMax", formatInt(widened[0]) },
        { "widenedXMin", formatInt(widened[1]) },
        { "widenedYMax", formatInt(widened[2]) },
        { "widenedYMin", formatInt(widened[3]) },
        { "frameXMax", formatInt(state.frameXMax) },
        { "frameXMin", formatInt(state.frameXMin) },
        { "frameYMax", formatInt(state.frameYMax) },
        { "frameYMin", formatInt(state.frameYMin) },
        { "corrScaleX", jsonNumber(state.corrScaleX) },
        { "corrScaleY", jsonNumber(state.corrScaleY) },
        { "frameCentreX", jsonNumber(state.frameCentreX) },
        { "frameCentreY", jsonNumber(state.frameCentreY) },
        { "corrOffsetX", formatInt(state.corrOffsetX) },
        { "corrOffsetY", formatInt(state.corrOffsetY) },
        { "meanX", jsonNumber(state.meanX) },
        { "meanY", jsonNumber(state.meanY) },
        { "regressionSlope", hasLine ? jsonNumber(state.regressionSlope) : "null" },
        { "regressionIntercept", hasLine ? jsonNumber(state.regressionIntercept) : "null" },
        { "r", hasCoefficient ? jsonNumber(correlationCoefficient(state)) : "null" },
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
              "                      [--frame XTOP,XBOTTOM,YTOP,YBOTTOM]\n"
              "\n"
              "Reads X and Y from a CSV data file as the correlation diagram does, and prints the\n"
              "frame and the statistics over all rows read as one JSON object.\n"
              "\n"
              "  --x COL        column of X, 1 to 10000 (default 1)\n"
              "  --y COL        column of Y, 1 to 10000 (default 2)\n"
              "  --start ROW    line of the first data row, 1 to 10000 (default 1)\n"
              "  --frame XTOP,XBOTTOM,YTOP,YBOTTOM\n"
              "                 fixed frame values instead of the automatic scale\n"
              "  -h, --help     show this help\n";
}

int runStatsCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    std::string error;
    const auto parsed = parseArguments(args, { { "--x", "--y", "--start", "--frame" }, {} }, error);
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
    auto state = std::make_unique<RunState>();
    state->dataFilePath = options->dataFile;
    state->xColumn = options->xColumn;
    state->yColumn = options->yColumn;
    state->useYColumn = true;
    state->dataStartRow = options->startRow;
    state->corrAutoScale = !options->frame;
    if (options->frame) {
        state->corrFrameXTop = (*options->frame)[0];
        state->corrFrameXBottom = (*options->frame)[1];
        state->corrFrameYTop = (*options->frame)[2];
        state->corrFrameYBottom = (*options->frame)[3];
    }
    const int rowCount = loadDataColumns(*state, false);
    if (rowCount == 0) {
        err << "tracelet stats: no data row in " << options->dataFile << " from line "
            << formatInt(options->startRow) << "\n";
        return kExitFailed;
    }
    const std::array<int, 4> widened { state->frameXMax, state->frameXMin, state->frameYMax,
        state->frameYMin };
    computeFrame(*state);
    const bool hasLine = computeRegression(*state, state->lastIndex);
    const bool hasCoefficient = computeCorrelationTerms(*state, state->lastIndex);
    printStats(out, *state, rowCount, widened, hasLine, hasCoefficient);
    return kExitOk;
}
