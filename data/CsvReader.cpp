#include "data/CsvReader.h"

#include "data/CsvDialect.h"
#include "data/CsvUsedFields.h"
#include "data/DataReadReport.h"
#include "data/NumberText.h"
#include "data/TextLineReader.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace {

using Role = DataReadReport::Role;

// Lines longer than this (a megabyte) still arrive in pieces; every real row fits.
constexpr std::size_t kLineLimit = std::size_t { 1 } << 20;

bool isBlankLine(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// Which column each role reads, and whether the read uses it, into the report.
const std::array<DataReadReport::ColumnFindings, Role::RoleCount> &describeColumns(
    const DataColumns &c, bool withPathColumns, DataReadReport &report)
{
    const std::array<int, Role::RoleCount> numbers { c.xColumn, c.yColumn, c.directionColumn,
        c.interpSpeedColumn, c.plotSpeedColumn };
    const std::array<bool, Role::RoleCount> wanted { true, c.useY,
        withPathColumns && c.useDirection, withPathColumns && c.useInterpSpeed,
        withPathColumns && c.usePlotSpeed };
    for (std::size_t role = 0; role < Role::RoleCount; ++role) {
        report.columns[role].wanted = wanted[role];
        report.columns[role].column = numbers[role];
    }
    return report.columns;
}

// Reads the data lines one by one into the series and the report.
class DataLineReader
{
public:
    DataLineReader(const DataColumns &columns, bool withPathColumns, DataReadReport &report,
        std::uintmax_t fileBytes)
        : m_report(report)
        , m_fields(
              report.dialect, describeColumns(columns, withPathColumns, report), columns.timeColumn)
        , m_firstLine(report.startRow)
        , m_fileBytes(fileBytes)
        , m_times(columns.timeUnit)
    {
    }

    // False once the file holds more rows than a read may take.
    bool read(std::string_view line, int lineNumber, DataSeries &series)
    {
        if (isBlankLine(line)) {
            // Told only when a row follows: empty lines at the end are no gap in the data.
            m_pendingEmpty.add(lineNumber);
            return true;
        }
        const bool misfit = fitsOtherDialectBetter(line, m_report.dialect);
        const int fieldCount = m_fields.take(line);
        if (misfit) {
            skip(DataReadReport::OtherDialect, lineNumber);
            return true;
        }
        for (Role role : { Role::X, Role::Y, Role::Direction }) {
            if (m_report.columns[role].wanted && m_fields.present(role, fieldCount)
                && !m_fields.holdsNumber(role)) {
                if (lineNumber == m_firstLine)
                    m_firstLineHasNoNumber = true;
                skip(DataReadReport::NoNumber, lineNumber);
                return true;
            }
        }
        if (series.x.size() >= static_cast<std::size_t>(std::max(m_report.rowLimit, 0)))
            return false;
        flushEmpty();
        if (series.x.empty())
            reserveFor(series, line.size() + 1);
        store(series, fieldCount, lineNumber);
        return true;
    }

    void finish(int rows)
    {
        m_report.rowsRead = rows;
        m_report.noTimeRead = rows > 0 && m_report.timeColumn > 0 && !m_times.anyRead();
        m_report.firstRowLooksLikeHeading = rows > 0 && m_firstLineHasNoNumber
            && m_report.skipped[DataReadReport::NoNumber].count == 1;
    }

private:
    // Room for as many rows as the file holds lines of the first row's length: growing the arrays
    // row by row copies them again and again.
    void reserveFor(DataSeries &series, std::size_t lineBytes) const
    {
        const std::uintmax_t rows = std::min<std::uintmax_t>(m_fileBytes / lineBytes + 1,
            static_cast<std::uintmax_t>(std::max(m_report.rowLimit, 0)));
        for (std::vector<double> *values : { &series.x, &series.y, &series.direction })
            values->reserve(static_cast<std::size_t>(rows));
        series.line.reserve(static_cast<std::size_t>(rows));
        if (m_report.timeColumn > 0)
            series.time.reserve(static_cast<std::size_t>(rows));
    }

    void store(DataSeries &series, int fieldCount, int lineNumber)
    {
        const bool first = series.x.empty();
        for (std::size_t role = 0; role < Role::RoleCount; ++role) {
            auto &c = m_report.columns[role];
            const bool firstRowOnly = role == Role::InterpSpeed || role == Role::PlotSpeed;
            if (!c.wanted || (firstRowOnly && !first))
                continue;
            if (!m_fields.present(static_cast<Role>(role), fieldCount))
                count(c.missingRows, c.firstMissingLine, lineNumber);
            else if (!m_fields.holdsNumber(static_cast<Role>(role)))
                count(c.notNumberRows, c.firstNotNumberLine, lineNumber);
        }
        series.line.push_back(lineNumber);
        series.x.push_back(m_fields.value(Role::X));
        series.y.push_back(m_report.columns[Role::Y].wanted ? m_fields.value(Role::Y) : 0.0);
        series.direction.push_back(
            m_report.columns[Role::Direction].wanted ? m_fields.value(Role::Direction) : 0.0);
        if (m_report.timeColumn > 0) {
            const auto row = m_times.add(m_fields.timeText(), series);
            if (row == LoggedTimeSeries::Row::Unread)
                m_report.timeUnread.add(lineNumber);
            else if (row == LoggedTimeSeries::Row::Backwards)
                m_report.timeBackwards.add(lineNumber);
        }
        if (!first)
            return;
        if (m_report.columns[Role::InterpSpeed].wanted)
            series.firstRowInterpSpeed = m_fields.value(Role::InterpSpeed);
        if (m_report.columns[Role::PlotSpeed].wanted)
            series.firstRowPlotSpeed = m_fields.value(Role::PlotSpeed);
    }

    static void count(int &rows, int &firstLine, int line)
    {
        if (rows++ == 0)
            firstLine = line;
    }

    void skip(DataReadReport::Skip why, int line)
    {
        flushEmpty();
        m_report.skipped[why].add(line);
    }

    void flushEmpty()
    {
        auto &told = m_report.skipped[DataReadReport::EmptyLine];
        const auto kept = m_pendingEmpty.listed();
        for (int line : kept)
            told.add(line);
        told.count += m_pendingEmpty.count - static_cast<int>(kept.size());
        m_pendingEmpty = {};
    }

    DataReadReport &m_report;
    UsedFields m_fields;
    int m_firstLine;
    std::uintmax_t m_fileBytes;
    bool m_firstLineHasNoNumber = false;
    DataReadReport::SkippedLines m_pendingEmpty;
    LoggedTimeSeries m_times;
};

DataReadReport::Outcome whyNotOpened(const std::string &path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return DataReadReport::Outcome::NotFound;
    if (std::filesystem::is_directory(status))
        return DataReadReport::Outcome::IsFolder;
    return DataReadReport::Outcome::NotReadable;
}

// A path data file always gives its first line to a heading: one with numbers there loses a point.
bool headingHoldsNumbers(std::string_view line, CsvDialect dialect, const DataColumns &columns)
{
    CsvFieldReader fields(withoutLineFeed(line), dialect.separator);
    CsvField field;
    std::string scratch;
    bool x = false, y = !columns.useY;
    for (int k = 1; fields.next(field); ++k) {
        const bool number = startsWithNumber(csvFieldValue(field, dialect, scratch));
        x = k == columns.xColumn ? number : x;
        y = columns.useY && k == columns.yColumn ? number : y;
    }
    return x && y;
}

// The next record: a line, or several when a quoted field holds line breaks; lineNumber is
// where it starts.
std::optional<std::string_view> nextRecord(
    TextLineReader &reader, char separator, std::string &joined, int &lineNumber)
{
    const auto line = reader.readLine();
    if (!line)
        return std::nullopt;
    lineNumber = reader.lineNumber();
    std::string_view text = withoutLineFeed(*line);
    if (!endsInsideQuotes(text, separator))
        return text;
    joined.assign(text);
    while (endsInsideQuotes(joined, separator) && joined.size() < kLineLimit) {
        const auto more = reader.readLine();
        if (!more)
            break;
        joined += '\n';
        joined += withoutLineFeed(*more);
    }
    return joined;
}

// Reads the lines before the start row (a path file's heading is looked at); false, with the
// outcome told, when the file ends before it.
bool skipToStartRow(
    TextLineReader &reader, const DataColumns &columns, bool withPathColumns, DataReadReport &found)
{
    for (int line = 1; line < columns.startRow; ++line) {
        const auto skipped = reader.readLine();
        if (withPathColumns && line == columns.startRow - 1 && skipped)
            found.headingHoldsNumbers = headingHoldsNumbers(*skipped, found.dialect, columns);
        if (!skipped) {
            found.outcome = reader.lineNumber() == 0 ? DataReadReport::Outcome::EmptyFile
                                                     : DataReadReport::Outcome::EndsBeforeStartRow;
            found.linesInFile = reader.lineNumber();
            return false;
        }
    }
    return true;
}

} // namespace

int loadDataColumns(
    const DataColumns &columns, DataSeries &series, bool withPathColumns, DataReadReport *report)
{
    DataReadReport scratch;
    DataReadReport &found = report ? *report : scratch;
    found = DataReadReport {};
    // Named in full, so that the person sees where a relative name was looked for.
    std::error_code error;
    const auto full = std::filesystem::absolute(columns.path, error);
    found.path = error ? columns.path : full.lexically_normal().string();
    found.startRow = std::max(columns.startRow, 1);
    found.rowLimit = columns.rowLimit;
    found.timeColumn = std::max(columns.timeColumn, 0);

    found.dialect = detectCsvDialect(columns.path);
    TextLineReader reader(columns.path, 64 * 1024, kLineLimit);
    // A folder opens on some systems and then reads as empty; it is no data file either.
    if (!reader.isOpen() || std::filesystem::is_directory(columns.path, error)) {
        found.outcome = whyNotOpened(columns.path);
        return 0;
    }
    if (!skipToStartRow(reader, columns, withPathColumns, found))
        return 0;
    series.clear();
    // A size the system cannot tell (a pipe, say) reserves nothing ahead.
    std::uintmax_t fileBytes = std::filesystem::file_size(columns.path, error);
    if (error)
        fileBytes = 0;
    DataLineReader rows(columns, withPathColumns, found, fileBytes);
    std::string joined;
    bool fits = true;
    int lineNumber = 0;
    while (fits) {
        const auto record = nextRecord(reader, found.dialect.separator, joined, lineNumber);
        if (!record)
            break;
        fits = rows.read(*record, lineNumber, series);
    }
    if (!fits) {
        series.clear();
        series.lastIndex = -1;
        found.outcome = DataReadReport::Outcome::TooManyRows;
        return 0;
    }
    const int count = static_cast<int>(series.size());
    series.lastIndex = count - 1;
    rows.finish(count);
    // Without a single time the run plays at its fixed speed, as without a time column.
    if (found.noTimeRead)
        series.time.clear();
    if (count == 0) {
        found.linesInFile = reader.lineNumber();
        if (reader.lineNumber() == 0)
            found.outcome = DataReadReport::Outcome::EmptyFile;
        else if (reader.lineNumber() < found.startRow)
            found.outcome = DataReadReport::Outcome::EndsBeforeStartRow;
        else
            found.outcome = DataReadReport::Outcome::NoDataRow;
    }
    return count;
}
