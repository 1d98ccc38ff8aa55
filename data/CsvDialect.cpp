#include "data/CsvDialect.h"

#include "data/TextLineReader.h"
#include "data/Translate.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Enough lines to outvote a heading or two; few enough that the look costs nothing beside the read.
constexpr int kSampleLines = 16;
// The sample lines mostly fit in one small read; the reader reads on when they do not.
constexpr std::size_t kSampleChunk = 4096;

// Comma first: on a tie the file stays what it has always been read as.
constexpr std::array<CsvDialect, 5> kCandidates { {
    { ',', '.' },
    { ';', '.' },
    { ';', ',' },
    { '\t', '.' },
    { '\t', ',' },
} };

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Whether the whole field, spaces aside, is one number written with the decimal mark.
bool isWholeNumber(std::string_view field, char decimalMark)
{
    while (!field.empty() && isSpace(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && isSpace(field.back()))
        field.remove_suffix(1);
    std::size_t i = 0;
    const std::size_t n = field.size();
    if (i < n && (field[i] == '+' || field[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; i < n && isDigit(field[i]); ++i)
        ++digits;
    if (i < n && field[i] == decimalMark)
        for (++i; i < n && isDigit(field[i]); ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i < n && (field[i] == 'e' || field[i] == 'E')) {
        ++i;
        if (i < n && (field[i] == '+' || field[i] == '-'))
            ++i;
        if (i == n || !isDigit(field[i]))
            return false;
        while (i < n && isDigit(field[i]))
            ++i;
    }
    return i == n;
}

// Whole numbers count for the dialect, other non-empty fields against it.
int score(std::string_view line, CsvDialect dialect)
{
    int total = 0;
    while (true) {
        const std::size_t end = line.find(dialect.separator);
        const std::string_view field = line.substr(0, end);
        if (!std::all_of(field.begin(), field.end(), isSpace))
            total += isWholeNumber(field, dialect.decimalMark) ? 1 : -1;
        if (end == std::string_view::npos)
            return total;
        line.remove_prefix(end + 1);
    }
}

} // namespace

CsvDialect detectCsvDialect(const std::string &path)
{
    TextLineReader reader(path, kSampleChunk);
    std::vector<std::string> lines;
    bool otherSeparator = false;
    while (static_cast<int>(lines.size()) < kSampleLines) {
        const auto line = reader.readLine();
        if (!line)
            break;
        const std::string_view text = withoutLineFeed(*line);
        // Lines without a digit (headings, blank lines) tell nothing about the numbers.
        if (std::none_of(text.begin(), text.end(), isDigit))
            continue;
        otherSeparator = otherSeparator || text.find_first_of(";\t") != std::string_view::npos;
        lines.emplace_back(text);
    }
    if (!otherSeparator)
        return kCommaDialect;
    CsvDialect best = kCommaDialect;
    int bestScore = 0;
    for (std::size_t i = 0; i < kCandidates.size(); ++i) {
        int total = 0;
        for (const std::string &line : lines)
            total += score(line, kCandidates[i]);
        if (i == 0 || total > bestScore) {
            best = kCandidates[i];
            bestScore = total;
        }
    }
    return best;
}

std::string_view csvField(std::string_view line, CsvDialect dialect, int column)
{
    for (int k = 1; k < column; ++k) {
        const std::size_t end = line.find(dialect.separator);
        if (end == std::string_view::npos)
            return {};
        line.remove_prefix(end + 1);
    }
    return column < 1 ? std::string_view {} : line.substr(0, line.find(dialect.separator));
}

std::string csvDialectName(CsvDialect dialect)
{
    const std::string separator = dialect.separator == ';' ? tx("DataRead", "セミコロン")
        : dialect.separator == '\t'                        ? tx("DataRead", "タブ")
                                                           : tx("DataRead", "カンマ");
    const std::string mark
        = dialect.decimalMark == ',' ? tx("DataRead", "カンマ") : tx("DataRead", "ピリオド");
    return fillIn(tx("DataRead", "区切り文字: %1、小数点: %2"), { separator, mark });
}
