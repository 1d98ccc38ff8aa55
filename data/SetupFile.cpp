#include "data/SetupFile.h"

#include "data/TextLineReader.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <utility>

namespace {

// "NAME=value", the name of capitals, digits and underscores.
std::optional<SetupTag> tagOf(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == 0 || equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = line.substr(0, equals);
    if (!std::ranges::all_of(name,
            [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'; }))
        return std::nullopt;
    return SetupTag { std::string(name), std::string(line.substr(equals + 1)) };
}

} // namespace

SetupFileLines readSetupFile(const std::string &path, std::string_view magic, int valueLineCount)
{
    SetupFileLines result;
    TextLineReader reader(path);
    if (!reader.isOpen())
        return result;
    result.opened = true;
    const auto first = reader.readLine();
    if (!first || first->size() != magic.size() + 1 || first->substr(0, magic.size()) != magic
        || first->back() != '\n')
        return result;
    result.magicMatched = true;
    while (static_cast<int>(result.values.size()) < valueLineCount) {
        const auto line = reader.readLine();
        if (!line)
            return result;
        result.values.emplace_back(withoutLineFeed(*line));
    }
    result.complete = true;
    while (const auto line = reader.readLine())
        if (auto tag = tagOf(withoutLineFeed(*line)))
            result.tags.push_back(std::move(*tag));
    return result;
}

std::string setupFileText(std::string_view magic, const std::vector<std::string> &values,
    const std::vector<SetupTag> &tags)
{
    std::string text;
    text.append(magic).append("\r\n");
    for (const std::string &value : values)
        text.append(value).append("\r\n");
    for (const SetupTag &tag : tags)
        text.append(tag.name).append("=").append(tag.value).append("\r\n");
    return text;
}

const std::string *findSetupTag(const std::vector<SetupTag> &tags, std::string_view name)
{
    const auto it = std::ranges::find(tags, name, &SetupTag::name);
    return it == tags.end() ? nullptr : &it->value;
}

std::string resolveAgainstSetupFolder(const std::string &setupFile, std::string_view path)
{
    // Written on another system, a drive ("D:\\maps\\a.bmp") or a share is absolute too.
    const bool driveOrShare = (path.size() >= 2 && path[1] == ':') || path.starts_with('\\');
    if (path.empty() || driveOrShare || std::filesystem::path(path).is_absolute())
        return std::string(path);
    return (std::filesystem::path(setupFile).parent_path() / std::filesystem::path(path))
        .lexically_normal()
        .string();
}

SetupPath findSetupPath(const std::string &setupFile, std::string_view written)
{
    SetupPath found { resolveAgainstSetupFolder(setupFile, written) };
    std::error_code ec;
    if (found.path.empty() || std::filesystem::exists(found.path, ec))
        return found;
    const std::size_t slash = written.find_last_of("\\/");
    const std::string_view name
        = slash == std::string_view::npos ? written : written.substr(slash + 1);
    const std::filesystem::path beside = std::filesystem::path(setupFile).parent_path() / name;
    if (beside.lexically_normal() == std::filesystem::path(found.path).lexically_normal())
        return found; // nowhere else to look: the reader of the file tells that it is missing
    if (!name.empty() && std::filesystem::is_regular_file(beside, ec)) {
        found.path = beside.string();
        found.besideSetup = true;
    } else {
        found.missing = true;
    }
    return found;
}

std::string folderOf(const std::string &path)
{
    return std::filesystem::path(path).parent_path().string();
}
