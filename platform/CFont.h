#pragma once

#include "platform/CGdiObject.h"

#include <QFont>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

// Where CreateFont finds a face at a pixel size. The installed fonts serve unless another source
// is installed; a source that finds nothing makes CreateFont fail, as GDI's does when it cannot
// make the font.
using FontSource = std::function<std::optional<QFont>(const std::string &face, int pixels)>;
// An empty source restores the installed fonts.
void installFontSource(FontSource source);

// A font made when first drawn with: the window creates its fonts at start-up, and most of
// them are drawn with only once a run starts.
class LazyFont
{
public:
    explicit LazyFont(std::function<QFont()> make);
    const QFont &get() const;

private:
    mutable std::once_flag m_once;
    mutable std::function<QFont()> m_make;
    mutable QFont m_font;
};

class CFont : public CGdiObject
{
public:
    // CreateFont's arguments. The height is taken as the pixel size whatever its sign; weight
    // 700 is bold; glyphs are never antialiased. "ＭＳ ゴシック" is drawn with gothicFont (crisp
    // strikes where there are any), the other Windows faces are mapped to installed ones at
    // start-up (see QtSetup.h). Width, escapement, orientation, character set, precisions,
    // quality and pitch are not used.
    bool CreateFont(int height, int width, int escapement, int orientation, int weight, bool italic,
        bool underline, bool strikeOut, int charSet, int outPrecision, int clipPrecision,
        int quality, int pitchAndFamily, const std::string &face);
    bool DeleteObject();
    const QFont *font() const;
    // What a DC keeps when the font is selected: it outlives the font's deletion.
    std::shared_ptr<const LazyFont> lazyFont() const { return m_font; }

    // Fails, leaving the object as it was, when the font source finds nothing.
    // The font every DC starts with: IPAGothic, 12 px, regular.
    static CFont *stock();

private:
    std::shared_ptr<const LazyFont> m_font;
};
