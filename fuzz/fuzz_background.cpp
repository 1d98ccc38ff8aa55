// A background image file as the path run loads it with the platform's image loader, then shown:
// the lower-left 525 x 350 view copied out of it, and the picture at a quarter of its size, as
// zooming out draws it, into a surface that shows its lower-left part.

#include "FuzzSupport.h"
#include "platform/Gdi.h"

#include <cstdlib>

namespace {

struct Surfaces
{
    CDC background, view, zoom;
    CBitmap viewBitmap, zoomBitmap;
};

Surfaces &surfaces()
{
    static Surfaces *s = [] {
        ensureApplication();
        auto *made = new Surfaces;
        BITMAP size;
        size.bmWidth = 525;
        size.bmHeight = 350;
        made->viewBitmap.CreateBitmapIndirect(size);
        size.bmWidth = 131;
        size.bmHeight = 88;
        made->zoomBitmap.CreateBitmapIndirect(size);
        for (CDC *dc : { &made->background, &made->view, &made->zoom })
            dc->CreateCompatibleDC(nullptr);
        made->view.SelectObject(&made->viewBitmap);
        made->zoom.SelectObject(&made->zoomBitmap);
        return made;
    }();
    return *s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Surfaces &s = surfaces();
    CBitmap background;
    if (!background.LoadImageFromFile(writeInputFile(data, size)))
        return 0;
    BITMAP info;
    if (!background.GetBitmap(&info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        std::abort(); // a loaded picture has a size
    s.background.SelectObject(&background);
    s.view.BitBlt(0, 0, 525, 350, &s.background, 0, info.bmHeight - 350, SRCCOPY);
    s.zoom.StretchBlt(0, 0, info.bmWidth / 4, info.bmHeight / 4, &s.background, 0, 0, info.bmWidth,
        info.bmHeight, SRCCOPY);
    s.background.SelectObject(CBitmap::stock());
    return 0;
}
