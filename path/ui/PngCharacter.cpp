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
        read.result = CharacterLoadResult::NotDecodable;
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

std::string stampPngCharacter(CDC &dc, QPoint at, const std::string &path, double degrees)
{
    const PngCharacterRead read = readPngCharacter(path);
    if (read.result != CharacterLoadResult::Loaded)
        return pngCharacterFaultMessage(path, read.result);
    const ArgbCharacter turned = turnArgbCharacter(read.pixels, degrees);
    const QImage picture(reinterpret_cast<const uchar *>(turned.data()), kCharacterSide,
        kCharacterSide, kCharacterSide * 4, QImage::Format_ARGB32);
    dc.AlphaBlend(at, picture);
    return {};
}
