#include "data/ColumnHeadings.h"

#include "data/CsvDialect.h"
#include "data/NumberText.h"
#include "data/TextLineReader.h"

namespace {

// Headings are short; a longer field is no name to draw beside an axis.
constexpr std::size_t kLongestHeading = 64;

std::string headingOf(std::string_view line, CsvDialect dialect, int column)
{
    CsvFieldReader fields(line, dialect.separator);
    CsvField field;
    for (int i = 1; fields.next(field); ++i) {
        if (i != column)
            continue;
        std::string scratch;
        const std::string_view text
            = field.doubledQuotes ? csvFieldValue(field, dialect, scratch) : field.text;
        const std::size_t first = text.find_first_not_of(" \t");
        if (first == std::string_view::npos || startsWithNumber(text)
            || text.size() > kLongestHeading)
            return {};
        return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
    }
    return {};
}

} // namespace

ColumnHeadings readColumnHeadings(const std::string &path, int startRow, int xColumn, int yColumn)
{
    if (startRow < 2)
        return {};
    TextLineReader reader(path);
    if (!reader.isOpen())
        return {};
    std::string line;
    while (const auto piece = reader.readLine()) {
        if (reader.lineNumber() == startRow - 1)
            line += *piece;
        else if (reader.lineNumber() >= startRow)
            break;
    }
    const std::string_view heading = withoutLineFeed(line);
    const CsvDialect dialect = detectCsvDialect(path);
    return { headingOf(heading, dialect, xColumn), headingOf(heading, dialect, yColumn) };
}
