#pragma once

// A walker stored as PNG, drawn with its own transparency: decoded here (it needs an image
// library), turned by the core as a bitmap walker is, blended over the map.

#include "path/core/CharacterSprite.h"

#include <QPoint>
#include <string>

class CDC;

struct PngCharacterRead
{
    CharacterLoadResult result = CharacterLoadResult::Unreadable;
    ArgbCharacter pixels; // 32 x 32, top row first, when Loaded
};

PngCharacterRead readPngCharacter(const std::string &path);

// The walker turned to `degrees` and blended onto dc with its top-left at `at`. Empty when it was
// drawn; otherwise what is wrong with the file, in words for the person.
std::string stampPngCharacter(CDC &dc, QPoint at, const std::string &path, double degrees);
