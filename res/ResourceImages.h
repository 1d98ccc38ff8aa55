#pragma once

#include <QImage>

// Bitmap resources painted by the program: the blank 525 × 351 canvas bitmaps (129, 134, 137,
// 145) and the idle/active faces of the five bitmap buttons (132, 133, 135, 136, 140, 141, 143,
// 144, 146, 147). Returns an RGB32 image, or a null image for an id that is no bitmap resource.
QImage paintResourceBitmap(int id);

// Icon 128 at 32 or 16 pixels: a small chart with a dotted path in the 16-colour palette,
// RGB32; a null image for any other size.
QImage paintAppIcon(int size);
