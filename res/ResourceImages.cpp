#include "res/ResourceImages.h"

#include "data/Translate.h"
#include "platform/GothicFonts.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <vector>

namespace {

// Every label keeps a contrast of at least 4.5:1 to its face, so that it reads at 100 %; the
// idle faces are dark with grey labels, the active ones light or bright.
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kLightGrey = 0xFFD0D0D0;
constexpr QRgb kDarkGreen = 0xFF004000;
constexpr QRgb kGreen = 0xFF008000;
constexpr QRgb kDarkOlive = 0xFF505000;
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kPurple = 0xFF800080;
constexpr QRgb kNavy = 0xFF000080;
constexpr QRgb kDarkCyan = 0xFF008080;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kFuchsia = 0xFFFF00FF;

constexpr std::array<ButtonFace, 10> kFaces { {
    { 132, 48, 20, nullptr, kLightGrey, kDarkGreen, false },
    { 133, 48, 20, nullptr, kWhite, kGreen, true },
    { 136, 48, 20, TX_NOOP("ButtonFaces", "経路図"), kLightGrey, kDarkOlive, false },
    { 135, 48, 20, TX_NOOP("ButtonFaces", "経路図"), kPurple, kYellow, true },
    { 143, 48, 20, TX_NOOP("ButtonFaces", "相関図"), kLightGrey, kDarkOlive, false },
    { 144, 48, 20, TX_NOOP("ButtonFaces", "相関図"), kPurple, kYellow, true },
    { 140, 81, 20, TX_NOOP("ButtonFaces", "教示ポイント変更"), kLightGrey, kNavy, false },
    { 141, 81, 20, TX_NOOP("ButtonFaces", "教示ポイント再開"), kWhite, kDarkCyan, true },
    { 146, 81, 20, TX_NOOP("ButtonFaces", "位置確認スライダ"), kLightGrey, kNavy, false },
    { 147, 81, 20, TX_NOOP("ButtonFaces", "位置確認スライダ"), kWhite, kDarkCyan, true },
} };

constexpr std::array<int, 4> kBlankCanvases { 129, 134, 137, 145 };

QColor mix(QRgb a, QRgb b, int percentB)
{
    auto channel = [&](int ca, int cb) { return (ca * (100 - percentB) + cb * percentB) / 100; };
    return QColor(
        channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

void drawBevel(QPainter &p, const ButtonFace &f)
{
    const QColor light = mix(f.face, kWhite, 45);
    const QColor dark = mix(f.face, kBlack, 45);
    const int r = f.width - 1;
    const int b = f.height - 1;
    p.setPen(f.active ? dark : light);
    p.drawLine(0, 0, r - 1, 0);
    p.drawLine(0, 0, 0, b - 1);
    p.setPen(f.active ? light : dark);
    p.drawLine(1, b, r, b);
    p.drawLine(r, 1, r, b);
}

void drawPlayPause(QPainter &p, QColor ink, QPoint offset)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const QPolygon triangle { { QPoint(13, 5), QPoint(13, 14), QPoint(18, 9), QPoint(18, 10) } };
    p.drawPolygon(triangle.translated(offset));
    // The slash between the two signs, one pixel per row.
    for (int row = 0; row < 10; ++row)
        p.fillRect(QRect(25 - row / 2, 5 + row, 1, 1).translated(offset), ink);
    p.fillRect(QRect(28, 5, 3, 10).translated(offset), ink);
    p.fillRect(QRect(33, 5, 3, 10).translated(offset), ink);
}

// One character of a label with the columns its ink covers in its cell.
struct Glyph
{
    QString text;
    int inkLeft = 0;
    int inkWidth = 0;
};

Glyph measureGlyph(const QString &text, const QFont &font)
{
    const QFontMetrics metrics(font);
    Glyph g { text };
    QImage cell(
        std::max(1, metrics.horizontalAdvance(g.text) + 2), metrics.height(), QImage::Format_RGB32);
    cell.fill(kWhite);
    QPainter p(&cell);
    p.setFont(font);
    p.setPen(QColor(kBlack));
    p.drawText(QPoint(0, metrics.ascent()), g.text);
    p.end();
    int left = cell.width(), right = -1;
    for (int x = 0; x < cell.width(); ++x)
        for (int y = 0; y < cell.height(); ++y)
            if (cell.pixel(x, y) != kWhite) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    if (right >= left) {
        g.inkLeft = left;
        g.inkWidth = right - left + 1;
    }
    return g;
}

// Kanji and kana are set one by one, with blank columns between them; a Latin label is one run
// in the font's own spacing, so that its words keep their spaces.
std::vector<Glyph> measureGlyphs(const QString &label, const QFont &font)
{
    if (std::all_of(label.begin(), label.end(), [](QChar ch) { return ch.unicode() < 0x80; }))
        return { measureGlyph(label, font) };
    std::vector<Glyph> glyphs;
    for (const QChar ch : label)
        glyphs.push_back(measureGlyph(QString(ch), font));
    return glyphs;
}

struct LabelLayout
{
    QFont font;
    std::vector<Glyph> glyphs;
    int gap = 1; // blank columns between the ink of two characters
    int width = 0; // from the first inked column to the last
};

// The largest gothic, up to four pixels less than the face above and below, whose ink, set with
// two blank columns between characters (one if need be), leaves a blank column inside each bevel;
// kanji lose strokes in any tighter set.
LabelLayout layoutLabel(const QString &label, const ButtonFace &f)
{
    const int room = f.width - 4;
    LabelLayout layout;
    for (int size = f.height - 8; size > 6; --size) {
        layout.font = gothicFont(size);
        layout.glyphs = measureGlyphs(label, layout.font);
        int ink = 0;
        for (const Glyph &g : layout.glyphs)
            ink += g.inkWidth;
        for (int gap : { 2, 1 }) {
            layout.gap = gap;
            layout.width = ink + gap * static_cast<int>(layout.glyphs.size() - 1);
            if (layout.width <= room)
                return layout;
        }
    }
    return layout;
}

QImage paintFace(const ButtonFace &f)
{
    QImage image(f.width, f.height, QImage::Format_RGB32);
    image.fill(f.face);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    drawBevel(p, f);

    if (!f.label) {
        drawPlayPause(p, QColor(f.ink), f.active ? QPoint(1, 1) : QPoint(0, 0));
        return image;
    }
    // A label pressed in moves down only: sideways the long labels have no column to spare.
    const LabelLayout layout = layoutLabel(QString::fromStdString(tx("ButtonFaces", f.label)), f);
    const QFontMetrics metrics(layout.font);
    p.setFont(layout.font);
    p.setPen(QColor(f.ink));
    int x = (f.width - layout.width) / 2;
    const int baseline = (f.height - metrics.height()) / 2 + metrics.ascent() + (f.active ? 1 : 0);
    for (const Glyph &g : layout.glyphs) {
        p.drawText(QPoint(x - g.inkLeft, baseline), g.text);
        x += g.inkWidth + layout.gap;
    }
    return image;
}

void dot(QImage &image, int x, int y, int size, QRgb colour)
{
    for (int dy = 0; dy < size; ++dy)
        for (int dx = 0; dx < size; ++dx)
            image.setPixel(x + dx, y + dy, colour);
}

QImage paintIcon32()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(kSilver);
    for (int g = 10; g < 30; g += 6) {
        p.drawLine(g, 3, g, 26);
        p.drawLine(5, 30 - g, 29, 30 - g);
    }
    p.setPen(kBlack);
    p.drawRect(0, 0, 31, 31);
    p.drawLine(4, 3, 4, 27);
    p.drawLine(4, 27, 29, 27);
    p.setPen(QPen(QColor(kFuchsia), 2));
    const QPolygon path { { QPoint(8, 23), QPoint(13, 18), QPoint(17, 20), QPoint(22, 12),
        QPoint(26, 7) } };
    p.drawPolyline(path);
    p.end();
    for (const QPoint &pt : path)
        dot(image, pt.x() - 1, pt.y() - 1, 3, kBlue);
    dot(image, 25, 6, 3, kRed);
    return image;
}

QImage paintIcon16()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(kBlack);
    p.drawRect(0, 0, 15, 15);
    p.drawLine(2, 2, 2, 13);
    p.drawLine(2, 13, 13, 13);
    p.setPen(kFuchsia);
    const QPolygon path { { QPoint(4, 11), QPoint(7, 8), QPoint(9, 9), QPoint(12, 4) } };
    p.drawPolyline(path);
    p.end();
    for (const QPoint &pt : path)
        dot(image, pt.x(), pt.y(), 2, kBlue);
    dot(image, 12, 3, 2, kRed);
    return image;
}

} // namespace

QImage paintResourceBitmap(int id)
{
    if (std::find(kBlankCanvases.begin(), kBlankCanvases.end(), id) != kBlankCanvases.end()) {
        // One white page shared by every layer: each gets its own pixels when first drawn on,
        // so that the layers a run needs cost nothing before the window shows.
        static const QImage blank = [] {
            QImage image(525, 351, QImage::Format_RGB32);
            image.fill(kWhite);
            return image;
        }();
        return blank;
    }
    for (const ButtonFace &f : kFaces) {
        if (f.id == id)
            return paintFace(f);
    }
    return {};
}

std::span<const ButtonFace> buttonFaces() { return kFaces; }

QImage paintAppIcon(int size)
{
    if (size == 32)
        return paintIcon32();
    if (size == 16)
        return paintIcon16();
    return {};
}
