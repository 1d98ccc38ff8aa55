#include "data/LoggedTime.h"

#include "data/DataSeries.h"
#include "data/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDaySeconds = 86400.0;
constexpr double kHalfDaySeconds = kDaySeconds / 2;
constexpr int kMaxTimeColumn = 1024; // the reader's field count

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A plain decimal number and nothing after it ("12abc" is no time).
std::optional<double> wholeNumber(std::string_view text)
{
    if (!startsWithNumber(text))
        return std::nullopt;
    const bool numberChars = std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
    });
    if (!numberChars)
        return std::nullopt;
    return parseDouble(text);
}

// Reads `count` digits at `at` into value; false when they are not all there.
bool digits(std::string_view text, std::size_t &at, int count, int &value)
{
    value = 0;
    for (int i = 0; i < count; ++i, ++at) {
        if (at >= text.size() || text[at] < '0' || text[at] > '9')
            return false;
        value = value * 10 + (text[at] - '0');
    }
    return true;
}

bool expect(std::string_view text, std::size_t &at, char c)
{
    if (at >= text.size() || text[at] != c)
        return false;
    ++at;
    return true;
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
long long daysFromCivil(int year, int month, int day)
{
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<long long>(era) * 146097 + dayOfEra - 719468;
}

// "hh:mm:ss[.fff]" at `at` (the hour may have one digit); seconds of the day.
std::optional<double> clockTime(std::string_view text, std::size_t &at)
{
    int hours = 0, minutes = 0, seconds = 0;
    const bool shortHour = at + 1 < text.size() && text[at + 1] == ':';
    if (!digits(text, at, shortHour ? 1 : 2, hours) || !expect(text, at, ':')
        || !digits(text, at, 2, minutes) || !expect(text, at, ':') || !digits(text, at, 2, seconds))
        return std::nullopt;
    if (hours > 23 || minutes > 59 || seconds > 60)
        return std::nullopt;
    double fraction = 0.0;
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        ++at;
        for (double scale = 0.1; at < text.size() && text[at] >= '0' && text[at] <= '9';
             ++at, scale /= 10)
            fraction += (text[at] - '0') * scale;
    }
    return hours * 3600.0 + minutes * 60.0 + seconds + fraction;
}

// "Z", "+hh:mm", "-hhmm" or nothing at `at`, up to the end; nothing when something else follows.
std::optional<double> zoneOffset(std::string_view text, std::size_t at)
{
    if (at == text.size())
        return 0.0;
    if (text.substr(at) == "Z")
        return 0.0;
    const char sign = text[at++];
    int hours = 0, minutes = 0;
    if ((sign != '+' && sign != '-') || !digits(text, at, 2, hours))
        return std::nullopt;
    expect(text, at, ':');
    if (!digits(text, at, 2, minutes) || at != text.size())
        return std::nullopt;
    return (sign == '-' ? -1.0 : 1.0) * (hours * 3600.0 + minutes * 60.0);
}

std::optional<LoggedInstant> clockOrDateTime(std::string_view text)
{
    std::size_t at = 0;
    int year = 0, month = 0, day = 0;
    const bool dated = text.size() > 10 && text[4] == '-';
    if (dated
        && (!digits(text, at, 4, year) || !expect(text, at, '-') || !digits(text, at, 2, month)
            || !expect(text, at, '-') || !digits(text, at, 2, day) || month < 1 || month > 12
            || day < 1 || day > 31 || (text[at] != 'T' && text[at] != ' ')))
        return std::nullopt;
    if (dated)
        ++at;
    const auto seconds = clockTime(text, at);
    if (!seconds)
        return std::nullopt;
    if (!dated)
        return at == text.size() ? std::optional(LoggedInstant { *seconds, false, 0.0 })
                                 : std::nullopt;
    const auto zone = zoneOffset(text, at);
    if (!zone)
        return std::nullopt;
    const double local
        = static_cast<double>(daysFromCivil(year, month, day)) * kDaySeconds + *seconds;
    return LoggedInstant { local - *zone, true, *zone };
}

constexpr std::array<std::string_view, 3> kUnitNames { "s", "ms", "clock" };

} // namespace

std::optional<LoggedInstant> parseLoggedTime(std::string_view text, TimeUnit unit)
{
    text = trimmed(text);
    if (unit == TimeUnit::Clock)
        return clockOrDateTime(text);
    const auto number = wholeNumber(text);
    // Beyond thirty thousand years no log runs: such a number would overflow the play times.
    constexpr double kLongestLoggedSeconds = 1e12;
    const double seconds
        = number && unit == TimeUnit::Milliseconds ? *number / 1000.0 : number.value_or(0.0);
    if (!number || !std::isfinite(seconds) || std::fabs(seconds) > kLongestLoggedSeconds)
        return std::nullopt;
    return LoggedInstant { seconds, false, 0.0 };
}

LoggedTimeSeries::Row LoggedTimeSeries::add(
    std::optional<std::string_view> text, DataSeries &series)
{
    const auto instant = text ? parseLoggedTime(*text, m_unit) : std::nullopt;
    Row row = Row::Unread;
    if (instant && !m_anyRead) {
        m_anyRead = true;
        m_origin = instant->seconds;
        series.timeOrigin = instant->seconds + instant->zoneSeconds;
        row = Row::Read;
    } else if (instant) {
        double at = instant->seconds + m_dayOffset - m_origin;
        // A clock without a date starts again at 00:00 after midnight.
        while (!instant->dated && m_unit == TimeUnit::Clock && at < m_latest - kHalfDaySeconds) {
            m_dayOffset += kDaySeconds;
            at += kDaySeconds;
        }
        row = at < m_latest ? Row::Backwards : Row::Read;
        m_latest = std::max(m_latest, at);
    }
    series.time.push_back(m_latest);
    return row;
}

std::string loggedTimeText(const DataSeries &series, int index, TimeUnit unit)
{
    if (!series.holds(index) || static_cast<std::size_t>(index) >= series.time.size())
        return {};
    const double seconds = series.time[static_cast<std::size_t>(index)];
    if (unit != TimeUnit::Clock)
        return formatFixed(seconds, 2);
    // The clock time of the day as written in the file, to the second: the read-out box holds
    // eight characters, no date and no fraction.
    const double ofDay = std::fmod(series.timeOrigin + seconds, kDaySeconds);
    const auto whole
        = static_cast<long long>(std::floor((ofDay < 0 ? ofDay + kDaySeconds : ofDay) + 1e-6));
    const auto twoDigits = [](long long n) {
        return std::string { static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10) };
    };
    return twoDigits(whole / 3600 % 24) + ":" + twoDigits(whole / 60 % 60) + ":"
        + twoDigits(whole % 60);
}

TimeColumnEntries timeColumnEntries(const TimeColumnSetup &time)
{
    return { time.column > 0 ? formatInt(time.column) : std::string(), time.unit, time.playSpeed };
}

std::optional<TimeColumnSetup> timeColumnFromEntries(const TimeColumnEntries &entries)
{
    const std::string_view entry = trimmed(entries.column);
    if (!std::all_of(entry.begin(), entry.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int column = entry.empty() ? 0 : parseInt(entry);
    if (entry.size() > 5 || column > kMaxTimeColumn)
        return std::nullopt;
    return TimeColumnSetup { column, entries.unit, entries.playSpeed };
}

void appendTimeColumnTags(const TimeColumnSetup &time, std::vector<SetupTag> &tags)
{
    if (time.column <= 0)
        return;
    tags.push_back({ "TIME_COLUMN", formatInt(time.column) });
    tags.push_back({ "TIME_UNIT", std::string(kUnitNames[static_cast<std::size_t>(time.unit)]) });
    tags.push_back({ "PLAY_SPEED", formatFixed(time.playSpeed, 2) });
    // "5", "0.5", "0.25": no trailing zeros.
    std::string &speed = tags.back().value;
    speed.erase(speed.find_last_not_of('0') + 1);
    if (speed.back() == '.')
        speed.pop_back();
}

bool takeTimeColumnTag(const SetupTag &tag, TimeColumnSetup &time)
{
    if (tag.name == "TIME_COLUMN") {
        time.column = std::max(parseInt(tag.value), 0);
    } else if (tag.name == "TIME_UNIT") {
        const auto unit = std::ranges::find(kUnitNames, tag.value);
        if (unit != kUnitNames.end())
            time.unit = static_cast<TimeUnit>(unit - kUnitNames.begin());
    } else if (tag.name == "PLAY_SPEED") {
        const double speed = parseDouble(tag.value);
        if (std::ranges::find(kPlaySpeeds, speed) != kPlaySpeeds.end())
            time.playSpeed = speed;
    } else {
        return false;
    }
    return true;
}
