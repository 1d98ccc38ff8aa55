#pragma once

// A walker stored as PNG, drawn with its own transparency: decoded here (it needs an image
// library), turned by the core as a bitmap walker is, blended over the map.

#include "path/core/CharacterSprite.h"

#include <QPoint>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

class CDC;

struct PngCharacterRead
{
    CharacterLoadResult result = CharacterLoadResult::Unreadable;
    ArgbCharacter pixels; // 32 x 32, top row first, when Loaded
};

PngCharacterRead readPngCharacter(const std::string &path);

// The PNG walkers read so far, each decoded again only when its file changes: a walker is drawn
// on every tick, and a damaged file would have the image library complain on every one.
class PngCharacters
{
public:
    const PngCharacterRead &read(const std::string &path);

private:
    struct Entry
    {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type time {};
        PngCharacterRead read;
    };
    std::map<std::string, Entry> m_entries;
};

// The walker turned to `degrees` and blended onto dc with its top-left at `at`. Empty when it was
// drawn; otherwise what is wrong with the file, in words for the person.
std::string stampPngCharacter(
    CDC &dc, QPoint at, PngCharacters &characters, const std::string &path, double degrees);
