#pragma once

#include <QImage>
#include <span>

// A bitmap button face: its size, its label (UTF-8; null for the play/pause sign), the label's
// ink and the face colour. The active face is the "down" image: sunken edge, content nudged.
struct ButtonFace
{
    int id;
    int width;
    int height;
    const char *label;
    QRgb ink;
    QRgb face;
    bool active;
};

// The ten faces, idle and active for each of the five bitmap buttons.
std::span<const ButtonFace> buttonFaces();

// Bitmap resources painted by the program: the blank 525 × 351 canvas bitmaps (129, 134, 137,
// 145) and the idle/active faces of the five bitmap buttons (132, 133, 135, 136, 140, 141, 143,
// 144, 146, 147). Returns an RGB32 image, or a null image for an id that is no bitmap resource.
QImage paintResourceBitmap(int id);

// Icon 128 at 32 or 16 pixels: a small chart with a dotted path in the 16-colour palette,
// RGB32; a null image for any other size.
QImage paintAppIcon(int size);
