#pragma once

#include "data/SetupFile.h"
#include "data/Translate.h"

#include <string>
#include <string_view>

// What a setup dialog tells about a file its setup file names: found beside the setup file
// instead (a setup written on another machine), or not found at all. Empty when the file is
// where the setup file says. Notes of several files go into one message, a blank line apart.
inline void addSetupPathNote(std::string &notes, const SetupPath &found, std::string_view written)
{
    if (!found.besideSetup && !found.missing)
        return;
    if (!notes.empty())
        notes += "\n\n";
    if (found.besideSetup)
        notes
            .append(tx("SetupFile",
                "セットアップファイルに書かれたファイルが見つからないため、"
                "セットアップファイルと同じフォルダーのファイルを使います。"))
            .append("\n")
            .append(written)
            .append("\n→ ")
            .append(found.path);
    else
        notes.append(tx("SetupFile", "セットアップファイルに書かれたファイルが見つかりません。"))
            .append("\n")
            .append(written);
}
