#include "path/ui/PngCharacter.h"

#include "path/core/PngCharacterFile.h"
#include "platform/CDC.h"

#include <QImage>
#include <QImageReader>
#include <algorithm>

PngCharacterRead readPngCharacter(const std::string &path)
{
    PngCharacterRead read;
    const PngHeader header = readPngHeader(path);
    if (!header.complete) {
        read.result
            = header.opened ? CharacterLoadResult::NotDecodable : CharacterLoadResult::Unreadable;
        return read;
    }
    // Refused by its header before anything is decoded: a huge picture is not read at all.
    if (header.width != kCharacterSide || header.height != kCharacterSide) {
        read.result = CharacterLoadResult::WrongSize;
        return read;
    }
    QImageReader reader(QString::fromStdString(path), "png");
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (image.isNull() || image.width() != kCharacterSide || image.height() != kCharacterSide) {
        read.result = CharacterLoadResult::NotDecodable;
        return read;
    }
    read.pixels.resize(static_cast<std::size_t>(kCharacterSide * kCharacterSide));
    for (int y = 0; y < kCharacterSide; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        std::copy(row, row + kCharacterSide,
            read.pixels.begin() + static_cast<std::ptrdiff_t>(y * kCharacterSide));
    }
    read.result = CharacterLoadResult::Loaded;
    return read;
}

const PngCharacterRead &PngCharacters::read(const std::string &path)
{
    std::error_code sizeError, timeError;
    const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
    const std::filesystem::file_time_type time = std::filesystem::last_write_time(path, timeError);
    const auto known = m_entries.find(path);
    if (!sizeError && !timeError && known != m_entries.end() && known->second.size == size
        && known->second.time == time)
        return known->second.read;
    Entry &entry = m_entries[path];
    entry = { size, time, readPngCharacter(path) };
    // A file that cannot be looked at now is read again next time.
    if (sizeError || timeError)
        entry.size = static_cast<std::uintmax_t>(-1);
    return entry.read;
}

std::string stampPngCharacter(
    CDC &dc, QPoint at, PngCharacters &characters, const std::string &path, double degrees)
{
    const PngCharacterRead &read = characters.read(path);
    if (read.result != CharacterLoadResult::Loaded)
        return pngCharacterFaultMessage(path, read.result);
    const ArgbCharacter turned = turnArgbCharacter(read.pixels, degrees);
    const QImage picture(reinterpret_cast<const uchar *>(turned.data()), kCharacterSide,
        kCharacterSide, kCharacterSide * 4, QImage::Format_ARGB32);
    dc.AlphaBlend(at, picture);
    return {};
}
