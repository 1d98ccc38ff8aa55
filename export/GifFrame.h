#pragma once

// One frame of an animated GIF, analysed and compressed but not yet given its colour table: the
// rectangle that changed since the previous frame, the colours its changed pixels need, which of
// its indices is transparent (the pixels the previous frame already shows), and the LZW parse of
// its indices. The parse holds for any table the colours are later placed in, so the analysis
// runs on every core while the file's colour table is decided frame by frame in order.

#include <QImage>
#include <cstdint>
#include <vector>

struct GifFrame
{
    // Analyses `frame` drawn over `previous` (nothing: the first frame), each pixel enlarged to
    // scale × scale.
    static GifFrame parse(const QImage &frame, const QImage &previous, int scale, int delayCs);

    QRect area; // on the enlarged picture
    int delayCs = 0;
    std::vector<QRgb> colours; // by index; at most 256
    int transparent = -1; // the index after the colours when some pixels stay, else -1
    std::vector<std::uint16_t> codes; // GifLzw's parse
    int widestCodeSize = 8; // of the minimum code sizes the parse holds for
};
