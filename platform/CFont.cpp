#include "platform/CFont.h"

#include "platform/GothicFonts.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr int kDefaultPixelSize = 12;

FontSource g_source;

QFont installedFont(const std::string &face, int pixels)
{
    const QString family = QString::fromStdString(face);
    return isFixedPitchGothicFace(family) ? gothicFont(pixels) : QFont(family);
}

QFont makeFont(
    const QFont &base, int pixels, int weight, bool italic, bool underline, bool strikeOut)
{
    QFont font(base);
    font.setPixelSize(pixels);
    font.setWeight(
        weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::min(weight, 1000)));
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

LazyFont::LazyFont(std::function<QFont()> make)
    : m_make(std::move(make))
{
}

const QFont &LazyFont::get() const
{
    std::call_once(m_once, [this] {
        m_font = m_make();
        m_make = nullptr;
    });
    return m_font;
}

bool CFont::CreateFont(int height, int /*width*/, int /*escapement*/, int /*orientation*/,
    int weight, bool italic, bool underline, bool strikeOut, int /*charSet*/, int /*outPrecision*/,
    int /*clipPrecision*/, int /*quality*/, int /*pitchAndFamily*/, const std::string &face)
{
    // The magnitude keeps huge or INT_MIN heights from overflowing; 0 asks for the default.
    const long long magnitude = std::llabs(static_cast<long long>(height));
    const int pixels
        = magnitude == 0 ? kDefaultPixelSize : static_cast<int>(std::min(magnitude, 1000LL));
    // A source is asked at once, since it may refuse; the installed fonts when first drawn with.
    const std::optional<QFont> base = g_source ? g_source(face, pixels) : QFont();
    if (!base)
        return false;
    m_font = std::make_shared<LazyFont>([base = *base, source = bool(g_source), face, pixels,
                                            weight, italic, underline, strikeOut] {
        return makeFont(source ? base : installedFont(face, pixels), pixels, weight, italic,
            underline, strikeOut);
    });
    m_valid = true;
    return true;
}

void installFontSource(FontSource source) { g_source = std::move(source); }

bool CFont::DeleteObject()
{
    if (!m_valid || this == stock())
        return false;
    m_font.reset();
    m_valid = false;
    return true;
}

const QFont *CFont::font() const { return m_font ? &m_font->get() : nullptr; }

CFont *CFont::stock()
{
    static CFont *font = [] {
        // Every DC has it, whatever font source is installed.
        auto *gothic = new CFont;
        gothic->m_font = std::make_shared<LazyFont>([] {
            return makeFont(installedFont("IPAGothic", kDefaultPixelSize), kDefaultPixelSize, 400,
                false, false, false);
        });
        gothic->m_valid = true;
        return gothic;
    }();
    return font;
}
