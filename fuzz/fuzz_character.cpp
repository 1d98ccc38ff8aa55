// A character bitmap file as every path tick treats it: loaded into slot 1 or 2, turned to a
// direction given as any double, then stamped onto a surface with its mask the way the tick
// draws it (header and pixels taken from the file's own buffer).

#include "FuzzSupport.h"
#include "path/core/CharacterSprite.h"
#include "platform/Gdi.h"

#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

CDC &stampSurface()
{
    static CDC *dc = [] {
        auto *surface = new CDC;
        auto *bitmap = new CBitmap;
        BITMAP size;
        size.bmWidth = 64;
        size.bmHeight = 64;
        bitmap->CreateBitmapIndirect(size);
        surface->CreateCompatibleDC(nullptr);
        surface->SelectObject(bitmap);
        return surface;
    }();
    return *dc;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int slot = input.ConsumeIntegralInRange(0, 3);
    double degrees = 0.0;
    const auto angleBytes = input.ConsumeBytes<std::uint8_t>(sizeof degrees);
    if (angleBytes.size() == sizeof degrees)
        std::memcpy(&degrees, angleBytes.data(), sizeof degrees);
    const int x = input.ConsumeIntegralInRange(-40, 100);
    const int y = input.ConsumeIntegralInRange(-40, 100);
    const auto file = input.ConsumeRemainingBytes<std::uint8_t>();

    static CharacterImages images;
    CharacterImages *rs = &images;
    const CharacterLoadResult result
        = loadCharacterBitmap(*rs, writeInputFile(file.data(), file.size()), slot);
    if (result != CharacterLoadResult::Loaded) {
        if (rotateCharacter(*rs, slot, degrees))
            std::abort(); // nothing loaded, nothing to turn
        return 0;
    }
    if (slot < 1 || slot > 2 || !rotateCharacter(*rs, slot, degrees))
        std::abort();

    const CharacterImages::Slot &s = rs->frames[static_cast<std::size_t>(slot - 1)];
    BITMAPINFOHEADER header;
    std::memcpy(&header, rs->fileBuffer.data() + s.infoOffset, sizeof header);
    CDC &dc = stampSurface();
    dc.StretchDIBits(
        x - 16, y - 16, 32, 32, 0, 0, 32, 32, s.rotated.data(), &header, DIB_RGB_COLORS, SRCPAINT);
    dc.StretchDIBits(x - 16, y - 16, 32, 32, 0, 0, 32, 32, rs->fileBuffer.data() + s.bitsOffset,
        &header, DIB_RGB_COLORS, SRCAND);
    return 0;
}
