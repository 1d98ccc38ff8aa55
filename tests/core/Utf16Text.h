#pragma once

// Files as a spreadsheet saves "Unicode text": a byte-order mark, then UTF-16 code units.

#include <string>
#include <string_view>

inline std::string utf16File(std::u16string_view text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

// ASCII text as UTF-16 code units.
inline std::u16string asciiUnits(std::string_view text) { return { text.begin(), text.end() }; }
