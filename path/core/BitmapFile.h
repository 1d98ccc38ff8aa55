#pragma once

// What a bitmap file is before a pixel of it is used: whether it opens (and why not), its size,
// its bits per pixel, and whether it holds all the pixels its headers claim. Only the headers are
// read; a file that is no Windows bitmap is told apart by its first two bytes.

#include <cstdint>
#include <string>

struct BitmapFileInfo
{
    bool opened = false;
    int errorNumber = 0; // why it did not open
    bool isBmp = false; // starts with "BM" and holds the two headers
    int width = 0;
    int height = 0; // negative for a top-down bitmap
    int bitsPerPixel = 0;
    std::uint32_t compression = 0; // 0: the rows are stored plainly
    std::uint64_t fileSize = 0;
    std::uint64_t neededSize = 0; // pixel offset plus uncompressed rows; 0 when compressed

    // The headers claim more pixels than the file holds.
    bool cutShort() const { return isBmp && neededSize > fileSize; }
};

BitmapFileInfo inspectBitmapFile(const std::string &path);

// "200×150 ピクセル、24 ビット" (the file's own numbers), or what keeps it from being one.
std::string describeBitmapFile(const BitmapFileInfo &info);

// Why the file cannot be a bitmap at all: it does not open, or it is cut short; empty otherwise.
std::string bitmapFileFault(const BitmapFileInfo &info);

// What the person is told when a background cannot be used: what failed, the file, and why. A
// background not given (the default one) asks to set it up again.
std::string backgroundFailedMessage(const std::string &path, const std::string &reason, bool given);
