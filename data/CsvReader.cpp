#include "data/CsvReader.h"

#include "data/CsvDialect.h"
#include "data/DataReadReport.h"
#include "data/NumberText.h"
#include "data/TextLineReader.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace {

// Field texts of the current read, numbered from 1. Not cleared between lines: a column that a
// short line does not reach keeps the text an earlier line gave it.
class FieldTable
{
public:
    explicit FieldTable(CsvDialect dialect)
        : m_dialect(dialect)
    {
    }

    // Returns how many fields the line has.
    int split(std::string_view rest)
    {
        int k = 1;
        while (k <= kFieldCount) {
            const std::size_t comma = rest.find(m_dialect.separator);
            if (comma == std::string_view::npos) {
                if (rest.empty())
                    return k - 1;
                set(k, rest);
                return k;
            }
            if (comma > 0) {
                set(k, rest.substr(0, comma));
            } else if (rest.size() == 1) {
                // A line ending in a comma without a line feed: both sides of it are empty.
                set(k, {});
                set(k + 1, {});
                return k + 1;
            } else {
                set(k, {});
            }
            rest.remove_prefix(comma + 1);
            ++k;
        }
        return kFieldCount;
    }

    double number(int column) const
    {
        if (column < 1 || column > kFieldCount)
            return 0.0;
        return parseDouble(m_fields[static_cast<std::size_t>(column - 1)]);
    }

    bool holdsNumber(int column) const
    {
        return column >= 1 && column <= kFieldCount
            && startsWithNumber(m_fields[static_cast<std::size_t>(column - 1)]);
    }

private:
    void set(int k, std::string_view text)
    {
        if (k >= 1 && k <= kFieldCount) {
            std::string &field = m_fields[static_cast<std::size_t>(k - 1)];
            field.assign(text);
            // Beside another separator a comma can only be the decimal mark.
            if (m_dialect.decimalMark != '.')
                std::replace(field.begin(), field.end(), m_dialect.decimalMark, '.');
        }
    }

    CsvDialect m_dialect;
    std::array<std::string, kFieldCount> m_fields;
};

void storeRow(const DataColumns &columns, DataSeries &series, const FieldTable &fields,
    std::size_t r, bool withPathColumns)
{
    series.x[r] = fields.number(columns.xColumn);
    if (columns.useY)
        series.y[r] = fields.number(columns.yColumn);
    if (!withPathColumns)
        return;
    if (columns.useDirection)
        series.direction[r] = fields.number(columns.directionColumn);
    if (r != 0)
        return;
    if (columns.useInterpSpeed)
        series.firstRowInterpSpeed = fields.number(columns.interpSpeedColumn);
    if (columns.usePlotSpeed)
        series.firstRowPlotSpeed = fields.number(columns.plotSpeedColumn);
}

// Counts, for the report, the fields of one data row that hold no number or that the line lacks.
class RowChecker
{
public:
    RowChecker(DataReadReport &report, const DataColumns &state, bool withPathColumns)
        : m_report(report)
    {
        using R = DataReadReport;
        want(R::X, true, state.xColumn);
        want(R::Y, state.useY, state.yColumn);
        want(R::Direction, withPathColumns && state.useDirection, state.directionColumn);
        want(R::InterpSpeed, withPathColumns && state.useInterpSpeed, state.interpSpeedColumn);
        want(R::PlotSpeed, withPathColumns && state.usePlotSpeed, state.plotSpeedColumn);
    }

    void check(const FieldTable &fields, int fieldCount, std::size_t r, int line)
    {
        bool anyProblem = false, allProblems = true;
        for (std::size_t role = 0; role < DataReadReport::RoleCount; ++role) {
            auto &c = m_report.columns[role];
            const bool firstRowOnly
                = role == DataReadReport::InterpSpeed || role == DataReadReport::PlotSpeed;
            if (!c.wanted || (firstRowOnly && r != 0))
                continue;
            bool problem = true;
            if (c.column < 1 || c.column > fieldCount)
                count(c.missingRows, c.firstMissingLine, line);
            else if (!fields.holdsNumber(c.column))
                count(c.notNumberRows, c.firstNotNumberLine, line);
            else
                problem = false;
            anyProblem = anyProblem || problem;
            allProblems = allProblems && problem;
        }
        if (r == 0)
            m_firstRowAllProblems = allProblems;
        else if (anyProblem)
            m_laterRowsClean = false;
    }

    void finish(int rows)
    {
        m_report.firstRowLooksLikeHeading = rows > 1 && m_firstRowAllProblems && m_laterRowsClean;
    }

private:
    void want(DataReadReport::Role role, bool wanted, int column)
    {
        m_report.columns[role].wanted = wanted;
        m_report.columns[role].column = column;
    }

    static void count(int &rows, int &firstLine, int line)
    {
        if (rows++ == 0)
            firstLine = line;
    }

    DataReadReport &m_report;
    bool m_firstRowAllProblems = false;
    bool m_laterRowsClean = true;
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
    return startsWithNumber(csvField(line, dialect, columns.xColumn))
        && (!columns.useY || startsWithNumber(csvField(line, dialect, columns.yColumn)));
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

    found.dialect = detectCsvDialect(columns.path);
    TextLineReader reader(columns.path);
    // A folder opens on some systems and then reads as empty; it is no data file either.
    if (!reader.isOpen() || std::filesystem::is_directory(columns.path, error)) {
        found.outcome = whyNotOpened(columns.path);
        return 0;
    }
    for (int line = 1; line < columns.startRow; ++line) {
        const auto skipped = reader.readLine();
        if (withPathColumns && line == columns.startRow - 1 && skipped)
            found.headingHoldsNumbers = headingHoldsNumbers(*skipped, found.dialect, columns);
        if (!skipped) {
            found.outcome = reader.lineNumber() == 0 ? DataReadReport::Outcome::EmptyFile
                                                     : DataReadReport::Outcome::EndsBeforeStartRow;
            found.linesInFile = reader.lineNumber();
            return 0;
        }
    }
    const std::size_t capacity = std::min({ static_cast<std::size_t>(kPointCapacity),
        series.x.size(), series.y.size(), series.direction.size() });
    auto fields = std::make_unique<FieldTable>(found.dialect);
    RowChecker checker(found, columns, withPathColumns);
    std::size_t r = 0;
    while (r < capacity) {
        const auto line = reader.readLine();
        if (!line || line->size() < 2)
            break;
        const int fieldCount = fields->split(*line);
        storeRow(columns, series, *fields, r, withPathColumns);
        checker.check(*fields, fieldCount, r, reader.lineNumber());
        ++r;
    }
    const int rows = static_cast<int>(r);
    series.lastIndex = rows - 1;
    checker.finish(rows);
    if (rows == 0) {
        if (reader.lineNumber() == 0)
            found.outcome = DataReadReport::Outcome::EmptyFile;
        else if (reader.lineNumber() < found.startRow)
            found.outcome = DataReadReport::Outcome::EndsBeforeStartRow;
        else
            found.outcome = DataReadReport::Outcome::BlankStartRow;
        found.linesInFile = reader.lineNumber();
        return 0;
    }
    return rows;
}
