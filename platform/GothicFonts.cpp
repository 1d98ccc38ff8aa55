#include "platform/GothicFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>
#include <mutex>

namespace {

const QString kCrispFamily = QStringLiteral("Biwidth");
const QString kScalableFamily = QStringLiteral("IPAGothic");
constexpr int kStrikeSizes[] = { 10, 12, 14, 16 };

std::vector<int> &loadedSizes()
{
    static std::vector<int> sizes;
    return sizes;
}

bool has(const std::vector<int> &sizes, int size)
{
    return std::find(sizes.begin(), sizes.end(), size) != sizes.end();
}

// Strikes served on demand: each is added to the font database when a text first asks for its
// size, so that a start adds only the strikes its first frame draws with.
struct OnDemand
{
    std::mutex mutex;
    bool enabled = false;
    QStringList folders;
    bool foldersSearched = false;
    std::vector<int> tried;
};

OnDemand &onDemand()
{
    static OnDemand state;
    return state;
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
    std::vector<GothicStrikeData> missing;
    for (const GothicStrikeData &strike : gothicStrikeData())
        if (!has(sizes, strike.pixelSize))
            missing.push_back(strike);
    for (int size : crispStrikesFrom(missing))
        sizes.insert(std::upper_bound(sizes.begin(), sizes.end(), size), size);
    for (const QString &folder : folders) {
        if (!sizes.empty())
            break;
        sizes = crispStrikesIn(folder);
    }
    return sizes;
}

void serveCrispGothicStrikes(const QStringList &folders)
{
    OnDemand &state = onDemand();
    const std::lock_guard lock(state.mutex);
    state.enabled = true;
    state.folders = folders;
}

namespace {

// The compiled-in strike of that size when there is one; a build without them loads the
// folders' strikes all at once, as loadCrispGothicStrikes does.
bool strikeServes(int pixelSize)
{
    OnDemand &state = onDemand();
    const std::lock_guard lock(state.mutex);
    auto &sizes = loadedSizes();
    if (!state.enabled || state.foldersSearched || has(sizes, pixelSize)
        || has(state.tried, pixelSize))
        return has(sizes, pixelSize);
    state.tried.push_back(pixelSize);
    const std::vector<GothicStrikeData> strikes = gothicStrikeData();
    if (strikes.empty()) {
        state.foldersSearched = true;
        loadCrispGothicStrikes(state.folders);
        return has(sizes, pixelSize);
    }
    for (const GothicStrikeData &strike : strikes)
        if (strike.pixelSize == pixelSize && !crispStrikesFrom({ strike }).empty())
            sizes.insert(std::upper_bound(sizes.begin(), sizes.end(), pixelSize), pixelSize);
    return has(sizes, pixelSize);
}

} // namespace

QFont gothicFont(int pixelSize)
{
    return familyAt(strikeServes(pixelSize) ? kCrispFamily : kScalableFamily, pixelSize);
}

bool isCrispGothic(const QFont &font) { return font.family() == kCrispFamily; }

bool isFixedPitchGothicFace(const QString &face)
{
    return face == QStringLiteral("ＭＳ ゴシック") || face == QStringLiteral("MS Gothic");
}
