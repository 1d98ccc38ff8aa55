#include "path/core/CharacterSprite.h"

#include "data/Translate.h"
#include "data/TruncToInt.h"
#include "path/core/BitmapFile.h"
#include "path/core/PngCharacterFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kPixelOffsetField = 10;
constexpr std::size_t kWidthField = 18;
constexpr std::size_t kHeightField = 22;
constexpr std::size_t kBitCountField = 28;
constexpr std::size_t kCompressionField = 30;
constexpr std::size_t kPixelBytes = 3;

std::uint32_t readU32(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8
        | static_cast<std::uint32_t>(bytes[at + 2]) << 16
        | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::int32_t readI32(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return static_cast<std::int32_t>(readU32(bytes, at));
}

std::uint16_t readU16(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

CharacterImages::Slot *slotOf(CharacterImages &state, int slot)
{
    if (slot < 1 || slot > static_cast<int>(state.frames.size()))
        return nullptr;
    return &state.frames[static_cast<std::size_t>(slot - 1)];
}

bool readWholeFile(const std::string &path, std::vector<std::uint8_t> &buffer)
{
    // A folder opens for reading here, and its "size" is no size at all.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0)
        return false;
    file.seekg(0, std::ios::beg);
    buffer.assign(static_cast<std::size_t>(size), 0);
    return static_cast<bool>(file.read(reinterpret_cast<char *>(buffer.data()), size));
}

// 24 bits per pixel, stored plainly: the character is drawn straight from those bytes.
bool isTrueColour(const std::vector<std::uint8_t> &bytes)
{
    return bytes.size() >= kFileHeaderSize + kInfoHeaderSize && bytes[0] == 'B'
        && readU16(bytes, kBitCountField) == 24 && readU32(bytes, kCompressionField) == 0;
}

// Calls take(i, j, u, v) for every pixel (row i, column j) of the turned image that comes from
// pixel (row v, column u) of the upright one: clockwise by degrees about pixel (16, 16),
// nearest-pixel sampling, rows counted as a bottom-up bitmap stores them.
template <typename Take> void forEachTurnedPixel(double degrees, Take take)
{
    const double theta = degrees * 0.017453292519943295;
    const double s = std::sin(theta);
    const double c = std::cos(theta);
    const int half = kCharacterSide / 2;
    for (int i = 0; i < kCharacterSide; ++i) {
        const int dy = i - half;
        for (int j = 0; j < kCharacterSide; ++j) {
            const int dx = j - half;
            const int u = half + truncToInt(dx * c - dy * s);
            const int v = half + truncToInt(dx * s + dy * c);
            if (u >= 0 && u < kCharacterSide && v >= 0 && v < kCharacterSide)
                take(i, j, u, v);
        }
    }
}

} // namespace

std::string characterLoadMessage(CharacterLoadResult result)
{
    switch (result) {
    case CharacterLoadResult::Loaded:
    case CharacterLoadResult::Unreadable:
        return {};
    case CharacterLoadResult::NotTrueColour:
        return tx("PathDiagram", "２４ビットフルカラービットマップのキャラクタにしてください");
    case CharacterLoadResult::WrongSize:
        return tx("PathDiagram", "キャラサイズ違反 32×32 ピクセルにしてください。");
    case CharacterLoadResult::NotDecodable:
        return tx("PathDiagram",
            "PNG 画像として読み込めません。PNG でないか、壊れているか途中で切れています。");
    }
    return {};
}

std::string characterFaultMessage(const std::string &path, CharacterLoadResult result)
{
    if (result == CharacterLoadResult::Loaded)
        return {};
    if (isPngCharacter(path))
        return pngCharacterFaultMessage(path, result);
    const BitmapFileInfo info = inspectBitmapFile(path);
    std::string text = characterLoadMessage(result);
    if (text.empty())
        text = tx("PathDiagram", "キャラクタファイルを読み込めません。");
    else if (result == CharacterLoadResult::NotTrueColour && info.bitsPerPixel == 24
        && info.compression != 0)
        text = tx("PathDiagram",
            "圧縮されたビットマップは使えません。無圧縮の２４ビットフルカラービットマップの"
            "キャラクタにしてください");
    return text + "\n" + path + "\n(" + describeBitmapFile(info) + ")";
}

CharacterLoadResult loadCharacterBitmap(CharacterImages &state, const std::string &path, int slot)
{
    CharacterImages::Slot *target = slotOf(state, slot);
    state.fileBuffer.clear();
    for (CharacterImages::Slot &each : state.frames)
        each.rotated.clear();
    if (!target || !readWholeFile(path, state.fileBuffer)) {
        state.fileBuffer.clear();
        return CharacterLoadResult::Unreadable;
    }
    const std::vector<std::uint8_t> &bytes = state.fileBuffer;
    if (!isTrueColour(bytes)) {
        state.fileBuffer.clear();
        return CharacterLoadResult::NotTrueColour;
    }
    if (readI32(bytes, kWidthField) != kCharacterSide
        || readI32(bytes, kHeightField) != kCharacterSide)
        return CharacterLoadResult::WrongSize;
    const std::uint64_t bitsOffset = readU32(bytes, kPixelOffsetField);
    if (bitsOffset + kCharacterBytes > bytes.size()) {
        state.fileBuffer.clear();
        return CharacterLoadResult::NotTrueColour;
    }
    target->infoOffset = kFileHeaderSize;
    target->bitsOffset = static_cast<std::size_t>(bitsOffset);
    target->width = kCharacterSide;
    target->height = kCharacterSide;
    target->stride = kCharacterStride;
    target->rotated.assign(kCharacterBytes, 0);
    return CharacterLoadResult::Loaded;
}

bool rotateCharacter(CharacterImages &state, int slot, double degrees)
{
    CharacterImages::Slot *target = slotOf(state, slot);
    if (!target || target->rotated.size() != static_cast<std::size_t>(kCharacterBytes)
        || target->bitsOffset + kCharacterBytes > state.fileBuffer.size())
        return false;
    std::uint8_t *pixels = state.fileBuffer.data() + target->bitsOffset;
    std::vector<std::uint8_t> &work = target->rotated;
    std::fill(work.begin(), work.end(), std::uint8_t { 0xFF });
    forEachTurnedPixel(degrees, [&](int i, int j, int u, int v) {
        const std::uint8_t *from = pixels + v * kCharacterStride + u * 3;
        std::copy(from, from + kPixelBytes, work.data() + i * kCharacterStride + j * 3);
    });
    std::copy(work.begin(), work.end(), pixels);
    for (std::size_t p = 0; p < work.size(); p += kPixelBytes) {
        const bool white = pixels[p] == 0xFF && pixels[p + 1] == 0xFF && pixels[p + 2] == 0xFF;
        std::fill_n(
            work.data() + p, kPixelBytes, white ? std::uint8_t { 0 } : std::uint8_t { 0xFF });
    }
    return true;
}

ArgbCharacter turnArgbCharacter(const ArgbCharacter &upright, double degrees)
{
    ArgbCharacter turned(upright.size(), 0u);
    if (upright.size() != static_cast<std::size_t>(kCharacterSide * kCharacterSide))
        return turned;
    // Rows from the top here, from the bottom in the turning: a PNG walker turns as the same
    // picture stored as a bitmap does, pixel for pixel.
    const auto at = [](int bottomUpRow, int column) {
        return static_cast<std::size_t>(
            (kCharacterSide - 1 - bottomUpRow) * kCharacterSide + column);
    };
    forEachTurnedPixel(
        degrees, [&](int i, int j, int u, int v) { turned[at(i, j)] = upright[at(v, u)]; });
    return turned;
}
