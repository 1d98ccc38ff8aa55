#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// How the read-only path fields of the setup dialogs show a path: forward slashes and a line
// feed appended. The stored path keeps the form the file dialog gave.
inline std::string toDisplayPath(std::string_view path)
{
    std::string shown(path);
    std::replace(shown.begin(), shown.end(), '\\', '/');
    shown.push_back('\n');
    return shown;
}
