#include "platform/AlphaBlend.h"

#include "platform/CDC.h"

namespace {

unsigned blendChannel(unsigned source, unsigned target, unsigned alpha)
{
    return (source * alpha + target * (255u - alpha) + 127u) / 255u;
}

QRgb blendPixel(QRgb source, QRgb target)
{
    const auto alpha = static_cast<unsigned>(qAlpha(source));
    const auto mix = [&](int s, int t) {
        return static_cast<int>(
            blendChannel(static_cast<unsigned>(s), static_cast<unsigned>(t), alpha));
    };
    return qRgb(mix(qRed(source), qRed(target)), mix(qGreen(source), qGreen(target)),
        mix(qBlue(source), qBlue(target)));
}

} // namespace

QRect blendSourceOver(QImage &target, QPoint at, const QImage &source)
{
    const QImage pixels = source.convertToFormat(QImage::Format_ARGB32);
    const QRect area = QRect(at, pixels.size()).intersected(target.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(target.scanLine(y));
        const auto *from = reinterpret_cast<const QRgb *>(pixels.constScanLine(y - at.y()));
        for (int x = area.left(); x <= area.right(); ++x)
            row[x] = blendPixel(from[x - at.x()], row[x]);
    }
    return area;
}

bool CDC::AlphaBlend(QPoint at, const QImage &source)
{
    QImage *image = target();
    if (!image || source.isNull())
        return false;
    changed(blendSourceOver(*image, at, source));
    return true;
}
