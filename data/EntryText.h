#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

// What a setup dialog reads back from an entry showing `shown`: its 20-byte buffer holds at most
// 19 bytes, never half a character, and ends at a NUL. Numbers are ASCII, so for a text that is
// not UTF-8 (a line straight from a file) the step back stops at the last ASCII byte: the number
// read is the one the entry would give.
inline std::string entryReading(std::string_view shown)
{
    constexpr std::size_t kMaxBytes = 19;
    shown = shown.substr(0, shown.find('\0'));
    std::size_t n = std::min(shown.size(), kMaxBytes);
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(shown[i]); };
    if (n < shown.size())
        while (n > 0 && (byte(n) & 0xC0) == 0x80 && byte(n - 1) >= 0x80)
            --n;
    return std::string(shown.substr(0, n));
}
