#pragma once

// Times a logger wrote on every row of a data file: how a column of them is read, how a point's
// time is shown, and the setting that names the column in a setup.

#include "data/SetupFile.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DataSeries;

// How the times of a column are written: seconds, milliseconds, or clock times ("09:15:02.250",
// also with a date before them, "2026-12-07T09:15:02.250+09:00": the text tells which).
enum class TimeUnit { Seconds, Milliseconds, Clock };

// How fast logged times play: logged seconds per played second, as the setup offers them.
inline constexpr std::array<double, 6> kPlaySpeeds { 1.0, 2.0, 5.0, 10.0, 0.5, 0.25 };

// The time column of a setup; column 0 plays every point at the fixed plot speed.
struct TimeColumnSetup
{
    int column = 0;
    TimeUnit unit = TimeUnit::Seconds;
    double playSpeed = 1.0; // one of kPlaySpeeds

    bool operator==(const TimeColumnSetup &) const = default;
};

// One time field read: seconds of the day for a clock time, seconds since 1970-01-01 for a date
// and time (zoneSeconds is the offset it was written with, 0 without one).
struct LoggedInstant
{
    double seconds = 0.0;
    bool dated = false;
    double zoneSeconds = 0.0;
};

// Nothing when the text, spaces around it aside, is not a time written in that unit.
std::optional<LoggedInstant> parseLoggedTime(std::string_view text, TimeUnit unit);

// Builds series.time row by row, in seconds from the first row's time. A row whose time is
// missing or unreadable, or earlier than the row before it, plays at the time before it. Clock
// times without a date that go back by more than 12 hours have passed midnight.
class LoggedTimeSeries
{
public:
    enum class Row { Read, Unread, Backwards };

    explicit LoggedTimeSeries(TimeUnit unit)
        : m_unit(unit)
    {
    }
    // The time of the row just added to the series; nothing when its line has no such field.
    Row add(std::optional<std::string_view> text, DataSeries &series);
    bool anyRead() const { return m_anyRead; }

private:
    TimeUnit m_unit;
    bool m_anyRead = false;
    double m_origin = 0.0; // the first time read, as read
    double m_latest = 0.0; // the time the rows stand at, from the origin
    double m_dayOffset = 0.0; // midnights passed by clock times without a date
};

// The logged time of point index as the Time box shows it: seconds from the first row ("%.2f")
// for a column of seconds or milliseconds, the clock time to the second ("hh:mm:ss") for clock
// times; empty without times.
std::string loggedTimeText(const DataSeries &series, int index, TimeUnit unit);

// The time column as a setup dialog shows it: the column's text and the choices beside it.
struct TimeColumnEntries
{
    std::string column;
    TimeUnit unit = TimeUnit::Seconds;
    double playSpeed = 1.0;

    bool operator==(const TimeColumnEntries &) const = default;
};
TimeColumnEntries timeColumnEntries(const TimeColumnSetup &time);

// What the entries set: an empty column or 0 names none; nothing when the column text names no
// column ("abc", "-1", beyond the fields a line can have).
std::optional<TimeColumnSetup> timeColumnFromEntries(const TimeColumnEntries &entries);

// The tagged lines of a time column (TIME_COLUMN, TIME_UNIT, PLAY_SPEED); none without one.
void appendTimeColumnTags(const TimeColumnSetup &time, std::vector<SetupTag> &tags);
// Takes a tag of the time column into `time`; false, taking nothing, for any other tag.
bool takeTimeColumnTag(const SetupTag &tag, TimeColumnSetup &time);
