#pragma once

// GDI-like drawing over QImage: device contexts, bitmaps, pens, brushes, fonts and the blits,
// with GDI's documented geometry (LineTo leaves out its end pixel; Rectangle, Ellipse and Arc
// boxes leave out their right and bottom edges; raster operations are exact bitwise ops).

#include "platform/CBitmap.h"
#include "platform/CBrush.h"
#include "platform/CDC.h"
#include "platform/CFont.h"
#include "platform/CGdiObject.h"
#include "platform/CPen.h"
#include "platform/GdiSurface.h"
#include "platform/GdiTypes.h"
