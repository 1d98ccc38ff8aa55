#pragma once

#include "platform/CGdiObject.h"
#include "platform/GdiSurface.h"
#include "platform/GdiTypes.h"

#include <memory>
#include <string>

class CBitmap : public CGdiObject
{
public:
    CBitmap() = default;
    CBitmap(const CBitmap &) = delete;
    CBitmap &operator=(const CBitmap &) = delete;
    ~CBitmap() override;

    // A bitmap of the image's size and contents (resources are painted as QImages).
    bool CreateFromImage(const QImage &image);
    // LoadImage(IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE) of any format Qt reads; transparent
    // pixels come out white. A picture of more than kMaxPixels fails, before it is read.
    bool LoadImageFromFile(const std::string &path);
    // A white bitmap of the given size; more than kMaxPixels fails.
    bool CreateBitmapIndirect(const BITMAP &info);
    int GetBitmap(BITMAP *info) const;
    // Gives up this object's share of the pixels; a DC that still has them selected keeps
    // drawing into them until another bitmap replaces them.
    bool DeleteObject();
    const QImage *image() const;
    std::shared_ptr<Surface> surface() const { return m_surface; }

    // What a DC holds before any bitmap is selected; selecting it back releases the bitmap.
    static CBitmap *stock();

    // 4096 × 4096: 64 MB a bitmap, so that a few copies of the largest one still fit.
    static constexpr long long kMaxPixels = 1LL << 24;

private:
    bool adopt(QImage image);

    std::shared_ptr<Surface> m_surface;
};
