#include "platform/GothicFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>

namespace {

const QString kCrispFamily = QStringLiteral("Biwidth");
const QString kScalableFamily = QStringLiteral("IPAGothic");
constexpr int kStrikeSizes[] = { 10, 12, 14, 16 };

std::vector<int> &loadedSizes()
{
    static std::vector<int> sizes;
    return sizes;
}

QFont familyAt(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The picture layouts count on half-width glyphs of half the pixel size and kanji of the full
// size, as the gothic they were made for has.
bool fitsTheCells(int pixelSize)
{
    const QFont font = familyAt(kCrispFamily, pixelSize);
    const QFontMetrics metrics(font);
    return QFontInfo(font).family() == kCrispFamily && QFontInfo(font).pixelSize() == pixelSize
        && metrics.horizontalAdvance(QLatin1Char('0')) * 2 == pixelSize
        && metrics.horizontalAdvance(QStringLiteral("値")) == pixelSize
        && metrics.height() == pixelSize;
}

// Keeps a font just added when it is the strike of that size; removes it otherwise.
bool keepStrike(int id, int size)
{
    if (id < 0)
        return false;
    if (QFontDatabase::applicationFontFamilies(id).contains(kCrispFamily) && fitsTheCells(size))
        return true;
    QFontDatabase::removeApplicationFont(id);
    return false;
}

} // namespace

QStringList crispGothicFolders()
{
    QStringList folders;
    const QString own = qEnvironmentVariable("TRACELET_FONT_DIR");
    if (!own.isEmpty())
        folders << own;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath() + QStringLiteral("/fonts");
    folders << QStringLiteral("/usr/share/fonts/X11/misc")
            << QStringLiteral("/usr/local/share/fonts/X11/misc")
            << QStringLiteral("/usr/share/X11/fonts/misc");
    return folders;
}

std::vector<int> crispStrikesFrom(const std::vector<GothicStrikeData> &strikes)
{
    std::vector<int> sizes;
    for (const GothicStrikeData &strike : strikes) {
        const QByteArray font = qUncompress(strike.data, static_cast<qsizetype>(strike.size));
        if (!font.isEmpty()
            && keepStrike(QFontDatabase::addApplicationFontFromData(font), strike.pixelSize))
            sizes.push_back(strike.pixelSize);
    }
    return sizes;
}

std::vector<int> crispStrikesIn(const QString &path)
{
    const QDir folder(path);
    std::vector<int> sizes;
    for (int size : kStrikeSizes) {
        for (const QString &suffix : { QStringLiteral(".pcf.gz"), QStringLiteral(".pcf") }) {
            const QString file = folder.filePath(QStringLiteral("b%1%2").arg(size).arg(suffix));
            if (!QFileInfo(file).isReadable())
                continue;
            if (keepStrike(QFontDatabase::addApplicationFont(file), size)) {
                sizes.push_back(size);
                break;
            }
        }
    }
    return sizes;
}

std::vector<int> loadCrispGothicStrikes(const QStringList &folders)
{
    auto &sizes = loadedSizes();
    if (!sizes.empty())
        return sizes;
    sizes = crispStrikesFrom(gothicStrikeData());
    for (const QString &folder : folders) {
        if (!sizes.empty())
            break;
        sizes = crispStrikesIn(folder);
    }
    return sizes;
}

QFont gothicFont(int pixelSize)
{
    const auto &sizes = loadedSizes();
    const bool crisp = std::find(sizes.begin(), sizes.end(), pixelSize) != sizes.end();
    return familyAt(crisp ? kCrispFamily : kScalableFamily, pixelSize);
}

bool isCrispGothic(const QFont &font) { return font.family() == kCrispFamily; }

bool isFixedPitchGothicFace(const QString &face)
{
    return face == QStringLiteral("ＭＳ ゴシック") || face == QStringLiteral("MS Gothic");
}
