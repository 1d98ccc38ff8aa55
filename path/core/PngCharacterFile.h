#pragma once

// A walker stored as PNG, told apart by its signature; its size read from its header, before a
// pixel of it is decoded (which needs an image library and happens where it is drawn).

#include "path/core/CharacterSprite.h"

#include <string>

// A PNG by its signature, or by its name: a ".png" that is no PNG is a faulty PNG walker, not
// a bitmap one.
bool isPngCharacter(const std::string &path);

struct PngHeader
{
    bool opened = false; // the file opened for reading
    bool complete = false; // the signature and the image header chunk are there
    int width = 0;
    int height = 0;
};
PngHeader readPngHeader(const std::string &path);

// What the setup asks of a walker before a run: a bitmap is loaded as a tick loads it, a PNG's
// size is read from its header.
CharacterLoadResult checkCharacterFile(const std::string &path);

// What the person is told about a PNG walker that cannot be used: what is wrong, the file, and
// its size when its header tells it.
std::string pngCharacterFaultMessage(const std::string &path, CharacterLoadResult result);
