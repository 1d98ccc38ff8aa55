#pragma once

// How a spreadsheet wrote its CSV file: the character between the fields and the decimal mark.
// Spreadsheets set to a region with a decimal comma separate fields with semicolons; "Unicode
// text" separates them with tabs. A field in double quotes may hold the separator, and "" in it
// stands for one quote.

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

// One field of a line as written: the text between its quotes when it was quoted.
struct CsvField
{
    std::string_view text;
    bool quoted = false;
    bool doubledQuotes = false; // the text holds "" pairs that stand for one quote
    bool unterminated = false; // the line ended inside the quotes
};

// Takes a line (without its line end) apart field by field. An empty line has no field; a line
// ending in a separator has an empty last field.
class CsvFieldReader
{
public:
    CsvFieldReader(std::string_view line, char separator)
        : m_rest(line)
        , m_separator(separator)
        , m_done(line.empty())
    {
    }

    bool next(CsvField &field);

private:
    std::string_view m_rest;
    char m_separator;
    bool m_done;
};

// The field's text as the number reader takes it: quotes undone and the decimal mark a point. In a
// file with a decimal point, a quoted field with one comma and no point holds a decimal comma
// ("26,44"), as spreadsheets of comma regions write it. Returns a view of text or of scratch.
std::string_view csvFieldValue(const CsvField &field, CsvDialect dialect, std::string &scratch);

// Whether the line ends inside a quoted field, so that the record goes on on the next line.
bool endsInsideQuotes(std::string_view line, char separator);

// Judges the dialect from the first lines of the file; a file that cannot be read, and every file
// that reads as well split at commas (integers only, "1,5" on each line), is a comma file.
CsvDialect detectCsvDialect(const std::string &path);

// Whether a line reads better in another dialect than in the file's own: a row written by
// another program or another region, whose numbers the file's dialect would cut wrongly.
bool fitsOtherDialectBetter(std::string_view line, CsvDialect dialect);

// The dialect as the person reads it: "区切り文字: セミコロン、小数点: カンマ".
std::string csvDialectName(CsvDialect dialect);
