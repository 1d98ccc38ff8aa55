#include "platform/Resources.h"

#include "platform/Gdi.h"

namespace {
ResourceProvider &provider()
{
    static ResourceProvider p;
    return p;
}
}

void setResourceProvider(ResourceProvider p) { provider() = std::move(p); }

QImage loadResourceBitmap(int id) { return provider().bitmap ? provider().bitmap(id) : QImage(); }

QImage loadResourceIcon(int id, int size)
{
    return provider().icon ? provider().icon(id, size) : QImage();
}

std::string loadResourceString(int id)
{
    return provider().string ? provider().string(id) : std::string();
}

bool LoadBitmap(CBitmap &bitmap, int id)
{
    const QImage image = loadResourceBitmap(id);
    return !image.isNull() && bitmap.CreateFromImage(image);
}
