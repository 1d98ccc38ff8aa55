#include "app/cli/CommandLine.h"

#include "data/CsvDialect.h"
#include "data/DataReadMessage.h"
#include "data/TextLineReader.h"
#include "data/Translate.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <ostream>
#include <system_error>

namespace {

bool contains(const std::vector<std::string_view> &names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

std::optional<std::string_view> CommandArguments::value(std::string_view name) const
{
    const auto found = values.find(name);
    if (found == values.end())
        return std::nullopt;
    return std::string_view(found->second);
}

std::optional<CommandArguments> parseArguments(
    const std::vector<std::string> &args, const OptionSpec &accepted, std::string &error)
{
    CommandArguments parsed;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "-h" || arg == "--help") {
            parsed.help = true;
            continue;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            parsed.positional.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (contains(accepted.withoutValue, name) && equals == std::string::npos) {
            parsed.flags.insert(name);
            continue;
        }
        if (!contains(accepted.withValue, name)) {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        }
        if (equals != std::string::npos) {
            parsed.values[name] = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            parsed.values[name] = args[++i];
        } else {
            error = "option '" + name + "' needs a value";
            return std::nullopt;
        }
    }
    return parsed;
}

std::optional<int> parseWholeInt(std::string_view text)
{
    int value = 0;
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<double> parseWholeDouble(std::string_view text)
{
    double value = 0.0;
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string jsonNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

bool isReadableFile(const std::string &path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return false;
    return TextLineReader(path).isOpen();
}

void noteDialect(
    std::ostream &err, std::string_view command, const std::string &path, CsvDialect dialect)
{
    if (dialect == kCommaDialect)
        return;
    err << "tracelet " << command << ": note: " << path << ": "
        << fillIn(tx("DataRead", "このファイルは「%1」として読みました。"),
               { csvDialectName(dialect) })
        << "\n";
}

void noteDataRead(std::ostream &err, std::string_view command, const std::string &path,
    const DataReadReport &report)
{
    if (const std::string note = dataReadNote(report); !note.empty())
        err << "tracelet " << command << ": note: " << path << ": " << note << "\n";
}
