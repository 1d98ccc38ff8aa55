#include "data/NumberText.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

namespace {

bool isCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipSpace(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    return i;
}

// Decides between overflow and underflow for a prefix from_chars found out of range: the decimal
// order of magnitude of its leading non-zero digit tells which side it lies on.
double outOfRangeValue(std::string_view mantissa, std::string_view exponent)
{
    long long order = 0;
    bool found = false;
    const std::size_t point = mantissa.find('.');
    const std::size_t integerDigits = point == std::string_view::npos ? mantissa.size() : point;
    for (std::size_t i = 0; i < mantissa.size() && !found; ++i) {
        if (mantissa[i] == '.')
            continue;
        if (mantissa[i] != '0') {
            found = true;
            order = i < integerDigits ? static_cast<long long>(integerDigits - i) - 1
                                      : -static_cast<long long>(i - integerDigits);
        }
    }
    if (!found)
        return 0.0;
    long long exp = 0;
    bool negativeExp = false;
    for (char c : exponent) {
        if (c == '-')
            negativeExp = true;
        else if (isDigit(c) && exp < 1'000'000'000)
            exp = exp * 10 + (c - '0');
    }
    order += negativeExp ? -exp : exp;
    return order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace

double parseDouble(std::string_view text)
{
    std::size_t i = skipSpace(text);
    const std::size_t n = text.size();
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    const std::size_t mantissaEnd = i;
    std::size_t end = i;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            end = j;
        }
    }
    double magnitude = 0.0;
    const char *first = text.data() + mantissaStart;
    const auto result
        = std::from_chars(first, text.data() + end, magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        magnitude = outOfRangeValue(text.substr(mantissaStart, mantissaEnd - mantissaStart),
            text.substr(mantissaEnd, end - mantissaEnd));
    } else if (result.ec != std::errc()) {
        magnitude = 0.0;
    }
    return negative ? -magnitude : magnitude;
}

bool startsWithNumber(std::string_view text)
{
    std::size_t i = skipSpace(text);
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (i < text.size() && text[i] == '.')
        ++i;
    return i < text.size() && isDigit(text[i]);
}

int parseInt(std::string_view text)
{
    std::size_t i = skipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    constexpr std::int64_t limit = std::int64_t { std::numeric_limits<int>::max() } + 1;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        if (value <= limit)
            value = value * 10 + (text[i] - '0');
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

void appendFixed(std::string &out, double value, int decimals)
{
    // The longest "%f" text of a double has 309 integer digits.
    std::array<char, 512> buffer;
    const int precision = decimals < 0 ? 0 : (decimals > 100 ? 100 : decimals);
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, precision);
    out.append(buffer.data(), result.ptr);
}

std::string formatFixed(double value, int decimals)
{
    std::string text;
    appendFixed(text, value, decimals);
    return text;
}

void appendReadout(std::string &out, double value, int decimals)
{
    const std::size_t start = out.size();
    appendFixed(out, value, decimals);
    const std::string_view text = std::string_view(out).substr(start);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string_view::npos)
        out.erase(start, 1);
}

std::string formatReadout(double value, int decimals)
{
    std::string text;
    appendReadout(text, value, decimals);
    return text;
}

void appendInt(std::string &out, int value)
{
    std::array<char, 16> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

std::string formatInt(int value)
{
    std::string text;
    appendInt(text, value);
    return text;
}
