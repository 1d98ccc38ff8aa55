#pragma once

// Shared shape of the small setup files: a magic first line followed by a fixed number of value
// lines, then optional tagged lines ("NAME=value") for settings the first format did not have; a
// reader of only the fixed lines never reaches them, and a setup without them is written as
// before. Reading hands back what was read so that a dialog can apply the lines one at a time and
// keep what it applied when the file turns out to be faulty.

#include <string>
#include <string_view>
#include <vector>

struct SetupTag
{
    std::string name, value;

    bool operator==(const SetupTag &) const = default;
};

struct SetupFileLines
{
    bool opened = false; // the file could be opened for reading
    bool magicMatched = false; // line 1 was the magic followed directly by its line feed
    bool complete = false; // every value line was present
    std::vector<std::string> values; // the value lines read, in order, without their line feed
    std::vector<SetupTag> tags; // the tagged lines after a complete set of value lines

    bool faulty() const { return opened && !complete; }
};

// Reads up to valueLineCount lines after the magic line, then the tagged lines after them; other
// lines there are passed over.
SetupFileLines readSetupFile(const std::string &path, std::string_view magic, int valueLineCount);

// A path read from a setup file: one that is not absolute is taken relative to the folder of the
// setup file, so that a setup and its files move together. Empty and absolute paths stay as they
// are.
std::string resolveAgainstSetupFolder(const std::string &setupFile, std::string_view path);

// A path from a setup file, found as resolveAgainstSetupFolder finds it; when nothing is there (a
// setup written on another machine: "C:\maps\town.bmp", "..\data\walk.csv"), the file of the
// same name beside the setup file, when there is one.
struct SetupPath
{
    std::string path; // what the setup uses
    bool besideSetup = false; // the written path named nothing here; its name beside the setup did
    bool missing = false; // neither exists (told only when the name beside the setup was tried)
};
SetupPath findSetupPath(const std::string &setupFile, std::string_view written);

// The folder a file lies in ("" for an empty path): where a file dialog for it opens.
std::string folderOf(const std::string &path);

// Text of a setup file from its lines: magic first, every line ended by CR LF.
std::string setupFileText(std::string_view magic, const std::vector<std::string> &values,
    const std::vector<SetupTag> &tags = {});

// The value of the first tag of that name, or nothing.
const std::string *findSetupTag(const std::vector<SetupTag> &tags, std::string_view name);
