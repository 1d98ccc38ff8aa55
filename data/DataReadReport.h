#pragma once

// What one read of a data file met that the person should hear about: how many rows it gave,
// which lines it left out and why, and the fields it read by the documented fallbacks.

#include "data/CsvDialect.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

struct DataReadReport
{
    enum class Outcome {
        Read, // at least one data row
        NotFound,
        IsFolder,
        NotReadable,
        EmptyFile,
        EndsBeforeStartRow, // fewer lines than the heading lines to skip, or none after them
        NoDataRow, // lines after the headings, but none of them a data row
        TooManyRows, // more rows than rowLimit: refused whole
    };
    // The columns a read uses, in the order a message lists them.
    enum Role : std::size_t { X, Y, Direction, InterpSpeed, PlotSpeed, RoleCount };
    // Why a line after the headings gave no row.
    enum Skip : std::size_t {
        EmptyLine, // nothing but spaces; empty lines after the last row are not counted
        NoNumber, // a point column (X, Y, direction) holds no number: a "Total" line, a heading
        OtherDialect, // the line reads better with another separator or decimal mark
        SkipCount
    };
    static constexpr std::size_t kToldLines = 5; // line numbers kept of each kind

    struct SkippedLines
    {
        int count = 0;
        std::array<int, kToldLines> firstLines {};

        // Counts one more line, keeping its number while there is room.
        void add(int line)
        {
            if (count < static_cast<int>(kToldLines))
                firstLines[static_cast<std::size_t>(count)] = line;
            ++count;
        }
        // The numbers kept: the first lines of all counted.
        std::span<const int> listed() const
        {
            return { firstLines.data(), std::min(static_cast<std::size_t>(count), kToldLines) };
        }
    };

    struct ColumnFindings
    {
        bool wanted = false;
        int column = 0;
        int notNumberRows = 0; // the field is there but starts with no number
        int firstNotNumberLine = 0;
        int missingRows = 0; // the line ends before this column (or it lies beyond the field table)
        int firstMissingLine = 0;
    };

    std::string path; // the data file, named in full
    int startRow = 1; // the first line read as data (1 when no heading line is skipped)
    Outcome outcome = Outcome::Read;
    int linesInFile = 0; // for EndsBeforeStartRow: how many lines the file has
    int rowLimit = 0; // the most rows the read took
    int rowsRead = 0;
    std::array<SkippedLines, SkipCount> skipped {};
    // Per column: rows left out for a point column, a value read as 0 for a first-row speed.
    std::array<ColumnFindings, RoleCount> columns {};
    // The first data line holds no number and is the only such line: most likely a heading
    // line, and the data starts one line further down.
    bool firstRowLooksLikeHeading = false;
    CsvDialect dialect; // how the fields were split and the decimals read
    // A path read skips a heading line, and the skipped line (startRow - 1) holds X and Y numbers.
    bool headingHoldsNumbers = false;
    // The logged times: rows whose time is missing or unreadable, and rows whose time goes back,
    // play at the time of the row before them; a column without any time plays at fixed speed.
    int timeColumn = 0; // 0 when the read takes no times
    SkippedLines timeUnread, timeBackwards;
    bool noTimeRead = false;

    int skippedLines() const
    {
        return skipped[EmptyLine].count + skipped[NoNumber].count + skipped[OtherDialect].count;
    }

    // Nothing left out and no field read by a fallback.
    bool clean() const
    {
        if (skippedLines() > 0 || timeUnread.count > 0 || timeBackwards.count > 0 || noTimeRead)
            return false;
        for (const ColumnFindings &c : columns)
            if (c.notNumberRows > 0 || c.missingRows > 0)
                return false;
        return true;
    }
};
