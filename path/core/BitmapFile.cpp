#include "path/core/BitmapFile.h"

#include "data/SystemReason.h"
#include "data/Translate.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>

namespace {

constexpr std::size_t kHeadersSize = 54; // file header 14, info header 40
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;

std::uint32_t u32(const std::array<unsigned char, kHeadersSize> &b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8
        | static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// Offset plus stride × rows, saturating instead of wrapping for absurd header values.
std::uint64_t neededBytes(std::uint32_t offset, int width, int height, int bits)
{
    const std::uint64_t rowBits
        = static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(width)))
        * static_cast<std::uint64_t>(bits);
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    const auto rows = static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(height)));
    const std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
    if (stride != 0 && rows > (most - offset) / stride)
        return most;
    return offset + stride * rows;
}

} // namespace

BitmapFileInfo inspectBitmapFile(const std::string &path)
{
    BitmapFileInfo info;
    errno = 0;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        info.errorNumber = EISDIR; // a folder opens for reading, and reads as nothing
        return info;
    }
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        info.errorNumber = errno != 0 ? errno : ENOENT;
        return info;
    }
    info.opened = true;
    const std::streamoff size = file.tellg();
    info.fileSize = size > 0 ? static_cast<std::uint64_t>(size) : 0;
    std::array<unsigned char, kHeadersSize> b {};
    file.seekg(0);
    if (!file.read(reinterpret_cast<char *>(b.data()), static_cast<std::streamsize>(b.size()))
        || b[0] != 'B' || b[1] != 'M')
        return info;
    info.isBmp = true;
    info.width = static_cast<std::int32_t>(u32(b, 18));
    info.height = static_cast<std::int32_t>(u32(b, 22));
    info.bitsPerPixel = static_cast<int>(b[28] | b[29] << 8);
    info.compression = u32(b, 30);
    if (info.compression == kUncompressed || info.compression == kBitFields)
        info.neededSize = neededBytes(u32(b, 10), info.width, info.height, info.bitsPerPixel);
    return info;
}

std::string describeBitmapFile(const BitmapFileInfo &info)
{
    if (!info.opened)
        return systemReason(info.errorNumber);
    if (!info.isBmp)
        return tx("BitmapFile", "ビットマップファイルではありません");
    std::string text = fillIn(tx("BitmapFile", "%1×%2 ピクセル、%3 ビット"),
        { std::to_string(info.width), std::to_string(std::abs(static_cast<long long>(info.height))),
            std::to_string(info.bitsPerPixel) });
    if (info.height < 0)
        text += tx("BitmapFile", "、上から下への並び");
    if (info.compression != kUncompressed)
        text += fillIn(tx("BitmapFile", "、圧縮形式 %1"), { std::to_string(info.compression) });
    if (info.cutShort())
        text += fillIn(tx("BitmapFile", "、%1 バイトのところ %2 バイトで途切れています"),
            { std::to_string(info.neededSize), std::to_string(info.fileSize) });
    return text;
}

std::string bitmapFileFault(const BitmapFileInfo &info)
{
    return !info.opened || info.cutShort() ? describeBitmapFile(info) : std::string();
}

std::string backgroundFailedMessage(const std::string &path, const std::string &reason, bool given)
{
    const std::string what = given
        ? tx("PathDiagram", "バックグラウンドスクリーン設定失敗")
        : tx("PathDiagram", "バックグラウンドスクリーン設定失敗、再度設定し直してください。");
    return what + "\n" + path + "\n(" + reason + ")";
}
