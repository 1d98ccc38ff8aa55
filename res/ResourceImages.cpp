#include "res/ResourceImages.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <array>

namespace {

// The 16-colour palette the faces are drawn in.
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kGreen = 0xFF008000;
constexpr QRgb kLime = 0xFF00FF00;
constexpr QRgb kOlive = 0xFF808000;
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kPurple = 0xFF800080;
constexpr QRgb kNavy = 0xFF000080;
constexpr QRgb kAqua = 0xFF00FFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kFuchsia = 0xFFFF00FF;

struct Face
{
    int id;
    int width;
    int height;
    const char *label; // UTF-8; null for the play/pause sign
    QRgb ink;
    QRgb face;
    bool active; // the "down" image: sunken edge, content nudged by one pixel
};

constexpr std::array<Face, 10> kFaces { {
    { 132, 48, 20, nullptr, kSilver, kGreen, false },
    { 133, 48, 20, nullptr, kWhite, kLime, true },
    { 136, 48, 20, "経路図", kSilver, kOlive, false },
    { 135, 48, 20, "経路図", kPurple, kYellow, true },
    { 143, 48, 20, "相関図", kSilver, kOlive, false },
    { 144, 48, 20, "相関図", kPurple, kYellow, true },
    { 140, 81, 20, "教示ポイント変更", kSilver, kNavy, false },
    { 141, 81, 20, "教示ポイント再開", kWhite, kAqua, true },
    { 146, 81, 20, "位置確認スライダ", kSilver, kNavy, false },
    { 147, 81, 20, "位置確認スライダ", kWhite, kAqua, true },
} };

constexpr std::array<int, 4> kBlankCanvases { 129, 134, 137, 145 };

QColor mix(QRgb a, QRgb b, int percentB)
{
    auto channel = [&](int ca, int cb) { return (ca * (100 - percentB) + cb * percentB) / 100; };
    return QColor(
        channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

// White ink on a light face would vanish; a dark drop shadow keeps it readable.
bool needsShadow(const Face &f) { return qGray(f.face) > 100 && qGray(f.ink) > 200; }

void drawBevel(QPainter &p, const Face &f)
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

// The largest size from 12 px down at which the label leaves two pixels beside the edges;
// tightening the spacing by a pixel comes before a smaller size, as kanji lose strokes below 10 px.
QFont labelFont(const QString &label, int width)
{
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    for (int px = 12; px > 6; --px) {
        font.setPixelSize(px);
        for (int spacing : { 0, -1 }) {
            font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
            if (QFontMetrics(font).horizontalAdvance(label) <= width - 4)
                return font;
        }
    }
    return font;
}

QImage paintFace(const Face &f)
{
    QImage image(f.width, f.height, QImage::Format_RGB32);
    image.fill(f.face);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    drawBevel(p, f);

    const QPoint nudge = f.active ? QPoint(1, 1) : QPoint(0, 0);
    const QColor shadow = mix(f.face, kBlack, 50);
    if (!f.label) {
        if (needsShadow(f))
            drawPlayPause(p, shadow, nudge + QPoint(1, 1));
        drawPlayPause(p, QColor(f.ink), nudge);
        return image;
    }
    const QString label = QString::fromUtf8(f.label);
    p.setFont(labelFont(label, f.width));
    const QRect box = QRect(0, 0, f.width, f.height).translated(nudge);
    if (needsShadow(f)) {
        p.setPen(shadow);
        p.drawText(box.translated(1, 1), Qt::AlignCenter, label);
    }
    p.setPen(QColor(f.ink));
    p.drawText(box, Qt::AlignCenter, label);
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
    for (int canvas : kBlankCanvases) {
        if (canvas == id) {
            QImage image(525, 351, QImage::Format_RGB32);
            image.fill(kWhite);
            return image;
        }
    }
    for (const Face &f : kFaces) {
        if (f.id == id)
            return paintFace(f);
    }
    return {};
}

QImage paintAppIcon(int size)
{
    if (size == 32)
        return paintIcon32();
    if (size == 16)
        return paintIcon16();
    return {};
}
