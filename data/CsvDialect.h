#pragma once

// How a spreadsheet wrote its CSV file: the character between the fields and the decimal mark.
// Spreadsheets set to a region with a decimal comma separate fields with semicolons; "Unicode
// text" separates them with tabs.

#include <string>
#include <string_view>

struct CsvDialect
{
    char separator = ',';
    char decimalMark = '.';

    bool operator==(const CsvDialect &) const = default;
};

// Comma between fields, point for decimals: the files this program has always read.
inline constexpr CsvDialect kCommaDialect {};

// Judges the dialect from the first lines of the file; a file that cannot be read, and every file
// that reads as well split at commas (integers only, "1,5" on each line), is a comma file.
CsvDialect detectCsvDialect(const std::string &path);

// The field of a line at column (from 1), without the separator; empty beyond the last field.
std::string_view csvField(std::string_view line, CsvDialect dialect, int column);

// The dialect as the person reads it: "区切り文字: セミコロン、小数点: カンマ".
std::string csvDialectName(CsvDialect dialect);
