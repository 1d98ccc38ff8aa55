#pragma once

// Shared shape of the small setup files: a magic first line followed by a fixed number of value
// lines. Reading hands back what was read so that a dialog can apply the lines one at a time and
// keep what it applied when the file turns out to be faulty.

#include <string>
#include <string_view>
#include <vector>

struct SetupFileLines
{
    bool opened = false; // the file could be opened for reading
    bool magicMatched = false; // line 1 was the magic followed directly by its line feed
    bool complete = false; // every value line was present
    std::vector<std::string> values; // the value lines read, in order, without their line feed

    bool faulty() const { return opened && !complete; }
};

// Reads up to valueLineCount lines after the magic line; lines after them are not read.
SetupFileLines readSetupFile(const std::string &path, std::string_view magic, int valueLineCount);

// Text of a setup file from its lines: magic first, every line ended by CR LF.
std::string setupFileText(std::string_view magic, const std::vector<std::string> &values);
