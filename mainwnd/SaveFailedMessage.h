#pragma once

#include "data/Translate.h"

#include <string>
#include <string_view>

// What a window says when a file could not be saved (a file that was there is left as it was):
// the file and the reason the system gave.
inline std::string saveFailedMessage(std::string_view path, std::string_view reason)
{
    std::string text = tx("Export", "ファイルを保存できませんでした。") + "\n";
    text.append(path).append("\n(").append(reason).append(")");
    return text;
}
