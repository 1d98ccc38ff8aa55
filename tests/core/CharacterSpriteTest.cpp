#include "path/core/CharacterSprite.h"

#include "TempDir.h"
#include "mainwnd/RunState.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace {

struct Bmp
{
    int width = 32;
    int height = 32;
    int bitCount = 24;
    char signature = 'B';
    std::uint32_t pixelOffset = 54;
    std::size_t pixelBytes = 3072;
};

void put(std::string &bytes, std::size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i) & 0xFF);
}

// A white character with coloured marks (blue, green, red per pixel; rows bottom-up).
std::string bmpBytes(const Bmp &bmp, const std::vector<std::pair<int, int>> &marks = {})
{
    std::string bytes(54 + bmp.pixelBytes, '\xFF');
    bytes[0] = bmp.signature;
    bytes[1] = 'M';
    put(bytes, 10, bmp.pixelOffset, 4);
    put(bytes, 14, 40, 4);
    put(bytes, 18, static_cast<std::uint32_t>(bmp.width), 4);
    put(bytes, 22, static_cast<std::uint32_t>(bmp.height), 4);
    put(bytes, 26, 1, 2);
    put(bytes, 28, static_cast<std::uint32_t>(bmp.bitCount), 2);
    for (auto [column, row] : marks)
        put(bytes, 54 + static_cast<std::size_t>(row * 96 + column * 3), 0xFF0000, 3);
    return bytes;
}

bool isMarked(const RunState &state, int slot, int column, int row)
{
    const auto &s = state.characterSlots[static_cast<std::size_t>(slot - 1)];
    const std::uint8_t *p = state.charFileBuffer.data() + s.bitsOffset + row * 96 + column * 3;
    return p[0] == 0 && p[1] == 0 && p[2] == 0xFF;
}

struct LoadCase
{
    const char *name;
    Bmp bmp;
    CharacterLoadResult expected;
};

class LoadCharacter : public testing::TestWithParam<LoadCase>
{
};

TEST_P(LoadCharacter, checksFormatSizeAndLength)
{
    TempDir dir;
    RunState state;
    const std::string path = dir.write("c.bmp", bmpBytes(GetParam().bmp));
    EXPECT_EQ(loadCharacterBitmap(state, path, 1), GetParam().expected);
}

Bmp with(void (*change)(Bmp &))
{
    Bmp bmp;
    change(bmp);
    return bmp;
}

INSTANTIATE_TEST_SUITE_P(Files, LoadCharacter,
    testing::Values(LoadCase { "good", Bmp {}, CharacterLoadResult::Loaded },
        LoadCase {
            "notB", with([](Bmp &b) { b.signature = 'X'; }), CharacterLoadResult::NotTrueColour },
        LoadCase {
            "eightBit", with([](Bmp &b) { b.bitCount = 8; }), CharacterLoadResult::NotTrueColour },
        LoadCase { "tooWide", with([](Bmp &b) { b.width = 64; }), CharacterLoadResult::WrongSize },
        LoadCase {
            "topDown", with([](Bmp &b) { b.height = -32; }), CharacterLoadResult::WrongSize },
        LoadCase { "pixelsCutShort", with([](Bmp &b) { b.pixelBytes = 3000; }),
            CharacterLoadResult::NotTrueColour },
        LoadCase { "lyingPixelOffset", with([](Bmp &b) { b.pixelOffset = 0xFFFFFFF0; }),
            CharacterLoadResult::NotTrueColour }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(CharacterSprite, fileShorterThanItsHeadersFailsLikeAWrongFormat)
{
    TempDir dir;
    RunState state;
    EXPECT_EQ(loadCharacterBitmap(state, dir.write("c.bmp", "BM\x10"), 1),
        CharacterLoadResult::NotTrueColour);
    EXPECT_EQ(
        loadCharacterBitmap(state, dir.file("missing.bmp"), 1), CharacterLoadResult::Unreadable);
    EXPECT_FALSE(rotateCharacter(state, 1, 0.0));
}

TEST(CharacterSprite, messagesAreTheUsersTexts)
{
    EXPECT_EQ(characterLoadMessage(CharacterLoadResult::NotTrueColour),
        "２４ビットフルカラービットマップのキャラクタにしてください");
    EXPECT_EQ(characterLoadMessage(CharacterLoadResult::WrongSize),
        "キャラサイズ違反 32×32 ピクセルにしてください。");
    EXPECT_TRUE(characterLoadMessage(CharacterLoadResult::Loaded).empty());
}

class RotateCharacter : public testing::Test
{
protected:
    void load(const std::vector<std::pair<int, int>> &marks)
    {
        ASSERT_EQ(loadCharacterBitmap(state, dir.write("c.bmp", bmpBytes(Bmp {}, marks)), 1),
            CharacterLoadResult::Loaded);
    }

    TempDir dir;
    RunState state;
};

TEST_F(RotateCharacter, zeroDegreesKeepsTheImageAndMasksColour)
{
    load({ { 20, 16 }, { 0, 0 } });
    ASSERT_TRUE(rotateCharacter(state, 1, 0.0));
    EXPECT_TRUE(isMarked(state, 1, 20, 16));
    EXPECT_TRUE(isMarked(state, 1, 0, 0));
    const auto &mask = state.characterSlots[0].rotated;
    EXPECT_EQ(mask[static_cast<std::size_t>(16 * 96 + 20 * 3)], 0xFF);
    EXPECT_EQ(mask[static_cast<std::size_t>(5 * 96 + 5 * 3)], 0x00);
}

TEST_F(RotateCharacter, quarterTurnMovesRightOfCentreBelowIt)
{
    load({ { 20, 16 } });
    ASSERT_TRUE(rotateCharacter(state, 1, 90.0));
    EXPECT_TRUE(isMarked(state, 1, 16, 12));
    EXPECT_FALSE(isMarked(state, 1, 20, 16));
}

TEST_F(RotateCharacter, halfTurnMovesRightOfCentreLeftOfIt)
{
    load({ { 20, 16 } });
    ASSERT_TRUE(rotateCharacter(state, 1, 180.0));
    EXPECT_TRUE(isMarked(state, 1, 12, 16));
}

TEST_F(RotateCharacter, uncoveredCornersAreTransparent)
{
    std::vector<std::pair<int, int>> all;
    for (int row = 0; row < 32; ++row)
        for (int column = 0; column < 32; ++column)
            all.emplace_back(column, row);
    load(all);
    ASSERT_TRUE(rotateCharacter(state, 1, 45.0));
    const auto &mask = state.characterSlots[0].rotated;
    EXPECT_EQ(mask[0], 0x00); // corner pixel (0, 0): white after turning, so transparent
    EXPECT_EQ(mask[static_cast<std::size_t>(16 * 96 + 16 * 3)], 0xFF);
}

TEST_F(RotateCharacter, loadingTheOtherSlotReleasesThisOne)
{
    load({});
    ASSERT_EQ(loadCharacterBitmap(state, dir.write("d.bmp", bmpBytes(Bmp {})), 2),
        CharacterLoadResult::Loaded);
    EXPECT_FALSE(rotateCharacter(state, 1, 0.0));
    EXPECT_TRUE(rotateCharacter(state, 2, 0.0));
    EXPECT_FALSE(rotateCharacter(state, 3, 0.0));
}

} // namespace
