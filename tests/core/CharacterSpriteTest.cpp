#include "path/core/CharacterSprite.h"

#include "TempDir.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Marks = std::vector<std::pair<int, int>>; // column, row (rows bottom-up)

struct Bmp
{
    std::int64_t width = 32;
    std::int64_t height = 32;
    std::int64_t bitCount = 24;
    char signature = 'B';
    std::int64_t pixelOffset = 54;
    std::size_t pixelBytes = 3072;
    std::int64_t compression = 0;
};

std::size_t offset(int column, int row) { return static_cast<std::size_t>(row * 96 + column * 3); }

// A white character with red marks; header fields little-endian.
std::string bmpBytes(const Bmp &bmp, const Marks &marks = {})
{
    std::string bytes(54 + bmp.pixelBytes, '\xFF');
    bytes[0] = bmp.signature;
    bytes[1] = 'M';
    const std::pair<std::size_t, std::int64_t> fields[]
        = { { 10, bmp.pixelOffset }, { 14, 40 }, { 18, bmp.width }, { 22, bmp.height }, { 26, 1 },
              { 28, bmp.bitCount }, { 30, bmp.compression } };
    for (auto [at, value] : fields)
        for (std::size_t i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
    for (auto [column, row] : marks)
        bytes.replace(54 + offset(column, row), 3, "\0\0\xFF", 3);
    return bytes;
}

bool isMarked(const CharacterImages &state, int column, int row)
{
    const std::uint8_t *p
        = state.fileBuffer.data() + state.frames[0].bitsOffset + offset(column, row);
    return p[0] == 0 && p[1] == 0 && p[2] == 0xFF;
}

TEST(CharacterSprite, loadChecksFormatSizeAndLength)
{
    using R = CharacterLoadResult;
    const std::tuple<const char *, Bmp, R> rows[] = {
        { "good", Bmp {}, R::Loaded },
        { "notB", Bmp { .signature = 'X' }, R::NotTrueColour },
        { "eightBit", Bmp { .bitCount = 8 }, R::NotTrueColour },
        { "tooWide", Bmp { .width = 64 }, R::WrongSize },
        { "topDown", Bmp { .height = -32 }, R::WrongSize },
        { "pixelsCutShort", Bmp { .pixelBytes = 3000 }, R::NotTrueColour },
        { "runLengthCoded", Bmp { .compression = 1 }, R::NotTrueColour },
    };
    TempDir dir;
    for (const auto &[name, bmp, expected] : rows) {
        CharacterImages state;
        EXPECT_EQ(loadCharacterBitmap(state, dir.write("c.bmp", bmpBytes(bmp)), 1), expected)
            << name;
    }
    CharacterImages state;
    EXPECT_EQ(std::pair(loadCharacterBitmap(state, dir.write("c.bmp", "BM\x10"), 1),
                  loadCharacterBitmap(state, dir.file("missing.bmp"), 1)),
        std::pair(R::NotTrueColour, R::Unreadable));
    EXPECT_FALSE(rotateCharacter(state, 1, 0.0));

    // A folder named as the character, and a compressed one: each told what it is.
    EXPECT_EQ(loadCharacterBitmap(state, dir.file(""), 1), R::Unreadable);
    EXPECT_EQ(characterFaultMessage(dir.file("."), R::Unreadable),
        "キャラクタファイルを読み込めません。\n" + dir.file(".") + "\n(フォルダーです)");
    const std::string compressed = dir.write("c.bmp", bmpBytes(Bmp { .compression = 1 }));
    EXPECT_EQ(characterFaultMessage(compressed, R::NotTrueColour),
        "圧縮されたビットマップは使えません。無圧縮の２４ビットフルカラービットマップのキャラクタに"
        "してください\n"
            + compressed + "\n(32×32 ピクセル、24 ビット、圧縮形式 1)");
}

// Clockwise about the centre; what the turned square does not cover is transparent.
TEST(CharacterSprite, rotationTurnsClockwiseAboutTheCentre_anotherLoadReleasesTheSlot)
{
    using Pixel = std::pair<int, int>;
    Marks all;
    for (int i = 0; i < 32 * 32; ++i)
        all.emplace_back(i % 32, i / 32);
    // degrees, red marks, a pixel that must be red and opaque, one that must be neither
    const std::tuple<double, Marks, Pixel, Pixel> rows[] = {
        { 0.0, { { 20, 16 } }, { 20, 16 }, { 5, 5 } },
        { 90.0, { { 20, 16 } }, { 16, 12 }, { 20, 16 } },
        { 45.0, all, { 16, 16 }, { 0, 0 } },
    };
    TempDir dir;
    CharacterImages state;
    for (const auto &[degrees, marks, red, clear] : rows) {
        SCOPED_TRACE(degrees);
        ASSERT_EQ(loadCharacterBitmap(state, dir.write("c.bmp", bmpBytes({}, marks)), 1),
            CharacterLoadResult::Loaded);
        ASSERT_TRUE(rotateCharacter(state, 1, degrees));
        const auto &mask = state.frames[0].rotated;
        EXPECT_EQ(
            std::tuple(isMarked(state, red.first, red.second), +mask[offset(red.first, red.second)],
                isMarked(state, clear.first, clear.second),
                +mask[offset(clear.first, clear.second)]),
            std::tuple(true, 0xFF, false, 0x00));
    }
    ASSERT_EQ(loadCharacterBitmap(state, dir.write("d.bmp", bmpBytes({})), 2),
        CharacterLoadResult::Loaded);
    EXPECT_EQ(std::tuple(rotateCharacter(state, 1, 0.0), rotateCharacter(state, 2, 0.0),
                  rotateCharacter(state, 3, 0.0)),
        std::tuple(false, true, false));
}

} // namespace
