#include "path/core/PngCharacterFile.h"

#include "data/Translate.h"
#include "path/core/BitmapFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

constexpr std::array<unsigned char, 8> kSignature { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
// Signature, chunk length, "IHDR", then width and height, big-endian.
constexpr std::size_t kHeaderBytes = 24;
constexpr std::size_t kWidthAt = 16;

std::uint32_t bigEndian(const std::array<unsigned char, kHeaderBytes> &bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) << 24
        | static_cast<std::uint32_t>(bytes[at + 1]) << 16
        | static_cast<std::uint32_t>(bytes[at + 2]) << 8
        | static_cast<std::uint32_t>(bytes[at + 3]);
}

// The first bytes of the file; how many there were, nothing when it does not open (a folder
// opens for reading here, but holds no picture).
std::optional<std::size_t> readStart(
    const std::string &path, std::array<unsigned char, kHeaderBytes> &bytes)
{
    std::error_code ec;
    std::ifstream file(path, std::ios::binary);
    if (!file || !std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    file.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<std::size_t>(file.gcount());
}

bool hasSignature(const std::array<unsigned char, kHeaderBytes> &bytes, std::size_t count)
{
    return count >= kSignature.size()
        && std::equal(kSignature.begin(), kSignature.end(), bytes.begin());
}

} // namespace

bool isPngCharacter(const std::string &path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::array<unsigned char, kHeaderBytes> bytes {};
    return extension == ".png" || hasSignature(bytes, readStart(path, bytes).value_or(0));
}

PngHeader readPngHeader(const std::string &path)
{
    std::array<unsigned char, kHeaderBytes> bytes {};
    const std::optional<std::size_t> read = readStart(path, bytes);
    const std::size_t count = read.value_or(0);
    PngHeader header;
    header.opened = read.has_value();
    if (!hasSignature(bytes, count) || count < kHeaderBytes || bytes[12] != 'I' || bytes[13] != 'H'
        || bytes[14] != 'D' || bytes[15] != 'R')
        return header;
    const std::uint32_t width = bigEndian(bytes, kWidthAt);
    const std::uint32_t height = bigEndian(bytes, kWidthAt + 4);
    // The format allows up to 2^31 - 1; beyond it the header is damaged.
    if (width == 0 || height == 0 || width > 0x7FFFFFFFu || height > 0x7FFFFFFFu)
        return header;
    header = { true, true, static_cast<int>(width), static_cast<int>(height) };
    return header;
}

CharacterLoadResult checkCharacterFile(const std::string &path)
{
    if (!isPngCharacter(path)) {
        CharacterImages images;
        return loadCharacterBitmap(images, path, 1);
    }
    const PngHeader header = readPngHeader(path);
    if (!header.opened)
        return CharacterLoadResult::Unreadable;
    if (!header.complete)
        return CharacterLoadResult::NotDecodable;
    return header.width == kCharacterSide && header.height == kCharacterSide
        ? CharacterLoadResult::Loaded
        : CharacterLoadResult::WrongSize;
}

std::string pngCharacterFaultMessage(const std::string &path, CharacterLoadResult result)
{
    std::string text = characterLoadMessage(result);
    if (text.empty())
        text = tx("PathDiagram", "キャラクタファイルを読み込めません。");
    text += "\n" + path;
    const PngHeader header = readPngHeader(path);
    if (header.complete)
        text += "\n("
            + fillIn(tx("PathDiagram", "%1×%2 ピクセル、PNG"),
                { std::to_string(header.width), std::to_string(header.height) })
            + ")";
    else if (!header.opened) // why not, in the system's words
        text += "\n(" + describeBitmapFile(inspectBitmapFile(path)) + ")";
    return text;
}
