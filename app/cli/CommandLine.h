#pragma once

// Option parsing shared by the core commands: "--name value", "--name=value", flags, and one or
// more positional arguments. Values are checked strictly: "12abc" is not a number here.

#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct CommandArguments
{
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> values; // the last of repeated options wins
    std::set<std::string, std::less<>> flags;
    bool help = false;

    std::optional<std::string_view> value(std::string_view name) const;
    bool flag(std::string_view name) const { return flags.count(name) != 0; }
};

struct OptionSpec
{
    std::vector<std::string_view> withValue;
    std::vector<std::string_view> withoutValue;
};

// Arguments after the subcommand; an unknown option or a missing value gives nothing and error.
std::optional<CommandArguments> parseArguments(
    const std::vector<std::string> &args, const OptionSpec &accepted, std::string &error);

std::optional<int> parseWholeInt(std::string_view text);
std::optional<double> parseWholeDouble(std::string_view text); // finite values only

// JSON text of a double that reads back to the same value; null when it is not finite.
std::string jsonNumber(double value);

// Whether path names a file that can be opened for reading.
bool isReadableFile(const std::string &path);

struct CsvDialect;
// Tells on err how a data file that is not a plain comma file was read; nothing for comma files.
void noteDialect(
    std::ostream &err, std::string_view command, const std::string &path, CsvDialect dialect);

struct DataReadReport;
// Tells on err how many rows a read gave and which lines it left out; nothing when none was.
void noteDataRead(std::ostream &err, std::string_view command, const std::string &path,
    const DataReadReport &report);
