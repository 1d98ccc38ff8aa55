#pragma once

// What one read of a data file met that the person should hear about. The read itself keeps its
// documented values (a field without a number reads 0.0, a short line keeps the earlier texts,
// no row is dropped); this only counts and locates.

#include "data/CsvDialect.h"

#include <array>
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
        BlankStartRow, // the first data line is blank, which ends the data at once
    };
    // The columns a read uses, in the order a message lists them.
    enum Role : std::size_t { X, Y, Direction, InterpSpeed, PlotSpeed, RoleCount };

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
    std::array<ColumnFindings, RoleCount> columns {};
    // The first data line holds no number in any column read and every later row is clean: it
    // is most likely a heading line, and the data starts one line further down.
    bool firstRowLooksLikeHeading = false;
    CsvDialect dialect; // how the fields were split and the decimals read
    // A path read skips a heading line, and the skipped line (startRow - 1) holds X and Y numbers.
    bool headingHoldsNumbers = false;

    bool fieldsClean() const
    {
        for (const ColumnFindings &c : columns)
            if (c.notNumberRows > 0 || c.missingRows > 0)
                return false;
        return true;
    }
};
