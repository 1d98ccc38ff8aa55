// A data file as both diagrams read it, in any dialect and behind any byte-order mark, with the
// columns, first line, time column and kind of read taken from the input, and the heading line's
// axis names. The read report's message must be empty exactly for a clean comma file; the same
// text behind a UTF-8 mark, or as UTF-16, must read the same values and the same dialect; logged
// times never go back, and their play times and frames stay in range. Needs only the core.

#include "data/ByteOrderMark.h"
#include "data/ColumnHeadings.h"
#include "data/CsvDialect.h"
#include "data/CsvReader.h"
#include "data/DataReadMessage.h"
#include "data/DataReadReport.h"
#include "data/LoggedTime.h"
#include "data/PlaySchedule.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

struct Read
{
    std::unique_ptr<DataSeries> series = std::make_unique<DataSeries>();
    DataReadReport report;
    int rows = 0;
};

const std::string &scratchFile()
{
    static const std::string path = (std::filesystem::temp_directory_path()
        / ("tracelet-fuzz-data-" + std::to_string(::getpid()) + ".csv"))
                                        .string();
    return path;
}

// One time a row, from 0 on and never back; the slowest play and the frame grid stay in range.
void checkTimes(const DataSeries &series, int rows, const DataColumns &columns)
{
    if (columns.timeColumn <= 0 || rows <= 0 || series.time.empty())
        return;
    const std::vector<double> &t = series.time;
    if (t.size() != static_cast<std::size_t>(rows) || t.front() != 0.0
        || !std::is_sorted(t.begin(), t.end()) || !std::isfinite(t.back()))
        std::abort();
    const std::vector<long long> due = playTimesMs(t, 0.25);
    if (!std::is_sorted(due.begin(), due.end()) || due.front() != 0)
        std::abort();
    constexpr int kLimit = 50;
    for (const std::optional<long long> every : { std::optional<long long>(), { 10 } })
        if (frameTimesMs(due, every, kLimit).size() > static_cast<std::size_t>(kLimit))
            std::abort();
    if (loggedTimeText(series, rows - 1, columns.timeUnit).size() > 24)
        std::abort();
}

void readInto(Read &read, DataColumns columns, const std::string &bytes, bool pathColumns)
{
    std::ofstream(scratchFile(), std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    columns.path = scratchFile();
    read.rows = loadDataColumns(columns, *read.series, pathColumns, &read.report);
    const DataReadReport &r = read.report;
    const bool quiet = r.outcome == DataReadReport::Outcome::Read && r.clean()
        && r.dialect == kCommaDialect && !r.headingHoldsNumbers;
    if (dataReadMessage(r).empty() != quiet)
        std::abort();
    // The heading line's names drawn beside the axes: short, one line each, whatever the bytes.
    const ColumnHeadings titles
        = readColumnHeadings(scratchFile(), columns.startRow, columns.xColumn, columns.yColumn);
    for (const std::string &title : { titles.x, titles.y })
        if (title.size() > 64 || title.find('\n') != std::string::npos)
            std::abort();
    checkTimes(*read.series, read.rows, columns);
}

bool sameValues(const Read &a, const Read &b, const DataColumns &columns, bool pathColumns)
{
    if (a.rows != b.rows || a.report.dialect != b.report.dialect
        || a.report.headingHoldsNumbers != b.report.headingHoldsNumbers)
        return false;
    const auto n = static_cast<std::ptrdiff_t>(a.rows);
    const auto same = [n](const std::vector<double> &x, const std::vector<double> &y) {
        return std::equal(x.begin(), x.begin() + n, y.begin());
    };
    // Without a row the first-row speeds are what an earlier input left: not part of this read.
    const DataSeries &s = *a.series, &t = *b.series;
    return same(s.x, t.x) && (!columns.useY || same(s.y, t.y)) && (n == 0 || s.time == t.time)
        && (!pathColumns || a.rows == 0
            || (same(s.direction, t.direction) && s.firstRowInterpSpeed == t.firstRowInterpSpeed
                && s.firstRowPlotSpeed == t.firstRowPlotSpeed));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    DataColumns columns;
    columns.xColumn = input.ConsumeIntegralInRange(-2, 1030);
    columns.yColumn = input.ConsumeIntegralInRange(-2, 1030);
    columns.useY = input.ConsumeBool();
    columns.startRow = input.ConsumeIntegralInRange(-1, 4);
    const bool pathColumns = input.ConsumeBool();
    columns.timeColumn = input.ConsumeIntegralInRange(0, 6);
    columns.timeUnit = static_cast<TimeUnit>(input.ConsumeIntegralInRange(0, 2));
    columns.useDirection = columns.useInterpSpeed = columns.usePlotSpeed = pathColumns;
    const std::string text = input.ConsumeRemainingBytesAsString();

    static Read plain, marked;
    readInto(plain, columns, text, pathColumns);
    if (findByteOrderMark(text).length != 0)
        return 0;
    readInto(marked, columns, "\xEF\xBB\xBF" + text, pathColumns);
    if (!sameValues(plain, marked, columns, pathColumns))
        std::abort();
    // Spreadsheets write "Unicode text" from plain ASCII; other bytes have no one UTF-16 form.
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= 0; }))
        return 0;
    for (const bool bigEndian : { false, true }) {
        std::string utf16 = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char c : text) {
            utf16 += bigEndian ? '\0' : c;
            utf16 += bigEndian ? c : '\0';
        }
        readInto(marked, columns, utf16, pathColumns);
        if (!sameValues(plain, marked, columns, pathColumns))
            std::abort();
    }
    return 0;
}
