#include "platform/CFont.h"

#include "platform/GothicFonts.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

bool failCreation = false;
constexpr int kDefaultPixelSize = 12;

} // namespace

bool CFont::CreateFont(int height, int /*width*/, int /*escapement*/, int /*orientation*/,
    int weight, bool italic, bool underline, bool strikeOut, int /*charSet*/, int /*outPrecision*/,
    int /*clipPrecision*/, int /*quality*/, int /*pitchAndFamily*/, const std::string &face)
{
    if (failCreation)
        return false;
    // The magnitude keeps huge or INT_MIN heights from overflowing; 0 asks for the default.
    const long long magnitude = std::llabs(static_cast<long long>(height));
    const int pixels
        = magnitude == 0 ? kDefaultPixelSize : static_cast<int>(std::min(magnitude, 1000LL));
    const QString family = QString::fromStdString(face);
    auto font = std::make_shared<QFont>(
        isFixedPitchGothicFace(family) ? gothicFont(pixels) : QFont(family));
    font->setPixelSize(pixels);
    font->setWeight(
        weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::min(weight, 1000)));
    font->setItalic(italic);
    font->setUnderline(underline);
    font->setStrikeOut(strikeOut);
    font->setStyleStrategy(QFont::NoAntialias);
    m_font = std::move(font);
    m_valid = true;
    return true;
}

bool CFont::DeleteObject()
{
    if (!m_valid || this == stock())
        return false;
    m_font.reset();
    m_valid = false;
    return true;
}

const QFont *CFont::font() const { return m_font.get(); }

void CFont::failCreationForTesting(bool fail) { failCreation = fail; }

CFont *CFont::stock()
{
    static CFont *font = [] {
        auto *gothic = new CFont;
        const bool failing = std::exchange(failCreation, false);
        gothic->CreateFont(
            kDefaultPixelSize, 0, 0, 0, 400, false, false, false, 128, 0, 0, 0, 0, "IPAGothic");
        failCreation = failing;
        return gothic;
    }();
    return font;
}
