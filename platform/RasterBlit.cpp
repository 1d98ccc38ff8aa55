#include "platform/RasterBlit.h"

#include "platform/RasterOps.h"

#include <algorithm>
#include <vector>

namespace {

struct Fold
{
    int first;
    int last;
};

// The source pixels that land on target pixel `index` of `targetLength` when
// `sourceLength` pixels are stretched over them, relative to the source's start.
Fold foldOf(int index, int targetLength, int sourceLength)
{
    const long long i = index;
    if (sourceLength >= targetLength) {
        return { static_cast<int>(i * sourceLength / targetLength),
            static_cast<int>((i + 1) * sourceLength / targetLength - 1) };
    }
    const int nearest = static_cast<int>((2 * i + 1) * sourceLength / (2LL * targetLength));
    return { nearest, nearest };
}

QRgb *pixelsOf(QImage &image) { return reinterpret_cast<QRgb *>(image.bits()); }

const QRgb *rowOf(const QImage &image, int y)
{
    return reinterpret_cast<const QRgb *>(image.constScanLine(y));
}

} // namespace

QRect rasterBlit(
    QImage &target, QRect targetRect, const QImage *source, QPoint sourceOrigin, RasterOp op)
{
    const QRect clipped = targetRect & target.rect();
    if (clipped.isEmpty())
        return {};
    QImage snapshot;
    if (source == &target) {
        snapshot = target.copy();
        source = &snapshot;
    }
    const QPoint offset = sourceOrigin - targetRect.topLeft();
    const QRect readable = source ? source->rect().translated(-offset) & clipped : QRect();

    QRgb *pixels = pixelsOf(target);
    const qsizetype stride = target.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    // Whole rows between surfaces of one width and no row padding are one block: a single
    // pass, at memcpy speed for a copy. (A QImage holds fewer than 2^29 pixels: an int counts.)
    if (readable == clipped && offset.x() == 0 && clipped.width() == target.width()
        && source->width() == target.width() && stride == target.width()
        && source->bytesPerLine() == target.bytesPerLine()) {
        combineRow(pixels + clipped.top() * stride, rowOf(*source, clipped.top() + offset.y()),
            static_cast<int>(stride * clipped.height()), op);
        return clipped;
    }
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        QRgb *row = pixels + y * stride;
        if (readable.isEmpty() || y < readable.top() || y > readable.bottom()) {
            combineRowWithWhite(row + clipped.left(), clipped.width(), op);
            continue;
        }
        combineRowWithWhite(row + clipped.left(), readable.left() - clipped.left(), op);
        combineRow(row + readable.left(),
            rowOf(*source, y + offset.y()) + readable.left() + offset.x(), readable.width(), op);
        combineRowWithWhite(row + readable.right() + 1, clipped.right() - readable.right(), op);
    }
    return clipped;
}

QRect rasterStretch(
    QImage &target, QRect targetRect, const QImage *source, QRect sourceRect, RasterOp op)
{
    if (targetRect.size() == sourceRect.size())
        return rasterBlit(target, targetRect, source, sourceRect.topLeft(), op);
    const QRect clipped = targetRect & target.rect();
    if (clipped.isEmpty() || sourceRect.isEmpty())
        return {};
    QImage snapshot;
    if (source == &target) {
        snapshot = target.copy();
        source = &snapshot;
    }

    // Columns are folded once. Only source pixels inside the source are read: white ones
    // outside would change no AND. `ands` gathers the AND of the folded rows.
    std::vector<Fold> columns(static_cast<std::size_t>(clipped.width()));
    for (int i = 0; i < clipped.width(); ++i) {
        const Fold fold = foldOf(
            clipped.left() - targetRect.left() + i, targetRect.width(), sourceRect.width());
        columns[static_cast<std::size_t>(i)]
            = { fold.first + sourceRect.left(), fold.last + sourceRect.left() };
    }
    const int readFirst = source ? std::max(columns.front().first, 0) : 0;
    const int readLast = source ? std::min(columns.back().last, source->width() - 1) : -1;
    std::vector<QRgb> ands(static_cast<std::size_t>(std::max(readLast - readFirst + 1, 0)));
    std::vector<QRgb> folded(static_cast<std::size_t>(clipped.width()));

    QRgb *pixels = pixelsOf(target);
    const qsizetype stride = target.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        const Fold rows = foldOf(y - targetRect.top(), targetRect.height(), sourceRect.height());
        std::fill(ands.begin(), ands.end(), kWhitePixel);
        if (!ands.empty()) {
            const int rowFirst = std::max(rows.first + sourceRect.top(), 0);
            const int rowLast = std::min(rows.last + sourceRect.top(), source->height() - 1);
            for (int sy = rowFirst; sy <= rowLast; ++sy)
                combineRow(ands.data(), rowOf(*source, sy) + readFirst,
                    static_cast<int>(ands.size()), RasterOp::SrcAnd);
        }
        for (std::size_t i = 0; i < columns.size(); ++i) {
            QRgb pixel = kWhitePixel;
            const int last = std::min(columns[i].last, readLast);
            for (int sx = std::max(columns[i].first, readFirst); sx <= last; ++sx)
                pixel &= ands[static_cast<std::size_t>(sx - readFirst)];
            folded[i] = pixel;
        }
        combineRow(pixels + y * stride + clipped.left(), folded.data(), clipped.width(), op);
    }
    return clipped;
}
