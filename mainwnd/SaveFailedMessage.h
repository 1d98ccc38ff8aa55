#pragma once

#include "data/AtomicFile.h"
#include "data/SystemReason.h"
#include "data/Translate.h"

#include <string>
#include <string_view>

// What a window says when a file could not be saved (a file that was there is left as it was):
// the file and the reason the system gave, in Japanese.
inline std::string saveFailedMessage(std::string_view path, const FileWriteResult &failure)
{
    std::string text = tx("Export", "ファイルを保存できませんでした。") + "\n";
    text.append(path).append("\n(").append(writeFailureReason(failure)).append(")");
    return text;
}
