#pragma once

#include "platform/CGdiObject.h"

#include <QFont>
#include <memory>
#include <string>

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

    // While set, CreateFont fails and leaves the object as it was.
    static void failCreationForTesting(bool fail);
    // The font every DC starts with: IPAGothic, 12 px, regular.
    static CFont *stock();

private:
    std::shared_ptr<QFont> m_font;
};
