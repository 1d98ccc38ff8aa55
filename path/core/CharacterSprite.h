#pragma once

// The 32 x 32 24-bit character bitmap: read and checked on every tick, turned to the point's
// direction, with a mask in which white stays transparent.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The character file last read (header and pixels point into fileBuffer) and each frame's slot.
struct CharacterImages
{
    struct Slot
    {
        std::size_t infoOffset = 0; // offset of the bitmap info header in fileBuffer
        std::size_t bitsOffset = 0; // offset of the pixels in fileBuffer
        std::vector<std::uint8_t> rotated; // the turned image's mask, a 3072-byte work buffer
        int width = 32, height = 32, stride = 96;
    };
    std::vector<std::uint8_t> fileBuffer;
    std::array<Slot, 2> frames; // slot 1 and slot 2: the two frames of the walk
};

inline constexpr int kCharacterSide = 32;
inline constexpr int kCharacterStride = 96;
inline constexpr int kCharacterBytes = kCharacterStride * kCharacterSide;

enum class CharacterLoadResult {
    Loaded,
    Unreadable, // missing or unreadable file
    NotTrueColour, // not an uncompressed 24-bit bitmap, or shorter than its headers claim
    WrongSize, // not 32 x 32 pixels (a top-down bitmap included)
    NotDecodable, // a PNG whose pixels cannot be read: none at all, cut short or damaged
};

// The text for the user; empty for Loaded and Unreadable, which has no message of its own.
std::string characterLoadMessage(CharacterLoadResult result);

// What the person is told about a character file that cannot be used: what is wrong, the file,
// and what it is (its size and bits per pixel, or why it does not open). Empty for Loaded.
std::string characterFaultMessage(const std::string &path, CharacterLoadResult result);

// Reads the file into fileBuffer and points slot 1 or 2 at its header and pixels. Any slot
// that pointed into the previous buffer loses its image.
CharacterLoadResult loadCharacterBitmap(CharacterImages &state, const std::string &path, int slot);

// Turns the slot's image clockwise by degrees about pixel (16, 16), nearest-pixel sampling, and
// leaves the mask in the slot's work buffer: white where the turned image has colour, black
// where it is white. False when the slot holds no loaded image.
bool rotateCharacter(CharacterImages &state, int slot, double degrees);

// A walker with its own transparency: 32 x 32 pixels 0xAARRGGBB (not premultiplied), top row
// first.
using ArgbCharacter = std::vector<std::uint32_t>;

// Turned exactly as rotateCharacter turns the same picture stored as a bitmap; what turns in from
// outside is transparent.
ArgbCharacter turnArgbCharacter(const ArgbCharacter &upright, double degrees);
