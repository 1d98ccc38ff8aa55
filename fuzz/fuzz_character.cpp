// A character bitmap file as every path tick treats it: loaded into slot 1 or 2, turned to a
// direction given as any double, then stamped onto a surface with its mask the way the tick
// draws it (header and pixels taken from the file's own buffer). An input that begins as a PNG
// is a PNG walker instead: checked from its header as the setup checks it, then decoded, turned
// and blended as the tick draws it.

#include "FuzzSupport.h"
#include "path/core/CharacterSprite.h"
#include "path/core/PngCharacterFile.h"
#include "path/ui/PngCharacter.h"
#include "platform/Gdi.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
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

// A walker the setup let through may still hide a damaged image; one it refused never draws.
void stampPng(const std::vector<std::uint8_t> &file, int x, int y, double degrees)
{
    ensureApplication();
    const std::string path = scratchPath("walker.png");
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(
            reinterpret_cast<const char *>(file.data()), static_cast<std::streamsize>(file.size()));
    const CharacterLoadResult checked = checkCharacterFile(path);
    PngCharacters characters; // afresh: the scratch file changes between inputs
    const std::string fault
        = stampPngCharacter(stampSurface(), QPoint(x - 16, y - 16), characters, path, degrees);
    if (checked != CharacterLoadResult::Loaded && fault.empty())
        std::abort();
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
    if (file.size() >= 8 && std::memcmp(file.data(), "\x89PNG\r\n\x1a\n", 8) == 0) {
        stampPng(file, x, y, degrees);
        return 0;
    }

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
