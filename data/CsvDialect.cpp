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

// A quoted field in a file with a decimal point may still hold a decimal comma.
bool holdsDecimalComma(const CsvField &field, CsvDialect dialect)
{
    return field.quoted && dialect.decimalMark == '.'
        && std::count(field.text.begin(), field.text.end(), ',') == 1
        && field.text.find('.') == std::string_view::npos;
}

// Whole numbers count for the dialect, other non-empty fields against it.
int score(std::string_view line, CsvDialect dialect)
{
    int total = 0;
    CsvFieldReader fields(line, dialect.separator);
    CsvField field;
    while (fields.next(field)) {
        if (std::all_of(field.text.begin(), field.text.end(), isSpace))
            continue;
        const bool number = isWholeNumber(field.text, dialect.decimalMark)
            || (holdsDecimalComma(field, dialect) && isWholeNumber(field.text, ','));
        total += number ? 1 : -1;
    }
    return total;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

bool CsvFieldReader::next(CsvField &field)
{
    if (m_done)
        return false;
    field = CsvField {};
    std::size_t i = 0;
    while (i < m_rest.size() && isBlank(m_rest[i]) && m_rest[i] != m_separator)
        ++i;
    std::size_t end = 0;
    if (i < m_rest.size() && m_rest[i] == '"') {
        std::size_t j = i + 1;
        while (j < m_rest.size()) {
            if (m_rest[j] == '"') {
                if (j + 1 < m_rest.size() && m_rest[j + 1] == '"') {
                    field.doubledQuotes = true;
                    j += 2;
                    continue;
                }
                break;
            }
            ++j;
        }
        field.quoted = true;
        field.unterminated = j >= m_rest.size();
        field.text = m_rest.substr(i + 1, j - (i + 1));
        // What follows the closing quote up to the separator is no part of the value.
        end = field.unterminated ? std::string_view::npos : m_rest.find(m_separator, j + 1);
    } else {
        end = m_rest.find(m_separator);
        field.text = m_rest.substr(0, end);
    }
    if (end == std::string_view::npos) {
        m_done = true;
        m_rest = {};
    } else {
        m_rest.remove_prefix(end + 1);
    }
    return true;
}

std::string_view csvFieldValue(const CsvField &field, CsvDialect dialect, std::string &scratch)
{
    const bool comma = holdsDecimalComma(field, dialect);
    const bool otherMark
        = dialect.decimalMark != '.' && field.text.find(dialect.decimalMark) != std::string::npos;
    if (!field.doubledQuotes && !comma && !otherMark)
        return field.text;
    scratch.clear();
    for (std::size_t i = 0; i < field.text.size(); ++i) {
        const char c = field.text[i];
        if (field.doubledQuotes && c == '"' && i + 1 < field.text.size()
            && field.text[i + 1] == '"')
            ++i;
        scratch += (c == dialect.decimalMark || (comma && c == ',')) ? '.' : c;
    }
    return scratch;
}

bool endsInsideQuotes(std::string_view line, char separator)
{
    if (line.find('"') == std::string_view::npos)
        return false;
    CsvFieldReader fields(line, separator);
    CsvField field;
    while (fields.next(field))
        if (field.unterminated)
            return true;
    return false;
}

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

bool fitsOtherDialectBetter(std::string_view line, CsvDialect dialect)
{
    // Only a separator of another dialect can cut a line differently.
    bool foreign = false;
    for (const CsvDialect &candidate : kCandidates)
        if (candidate.separator != dialect.separator && candidate.separator != dialect.decimalMark)
            foreign = foreign || line.find(candidate.separator) != std::string_view::npos;
    if (!foreign)
        return false;
    const int own = score(line, dialect);
    return std::any_of(kCandidates.begin(), kCandidates.end(),
        [&](const CsvDialect &other) { return other != dialect && score(line, other) > own; });
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
