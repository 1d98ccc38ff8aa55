// The path animation tick: the next point mapped onto the background, the view kept on it, the
// trajectory extended, the position read out and the character drawn turned to its heading.

#include "data/NumberText.h"
#include "data/Translate.h"
#include "data/TruncToInt.h"
#include "mainwnd/GdiState.h"
#include "mainwnd/PictureSize.h"
#include "mainwnd/Playback.h"
#include "path/ui/PathDiagram.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kHalfSprite = kCharacterSide / 2;
constexpr int kEdgeMargin = 50;
constexpr int kEdgeStep = 50;

} // namespace

// Where the view starts: centred on the point when the whole view fits the zoomed background
// around it, else at the left edge and the bottom rows.
void PathDiagram::reanchor(const MappedPoint &p)
{
    MapView &v = m_model->view;
    const double z = zoomFactor(v.zoomIndex);
    const int hw = kPictureWidth / 2;
    const int hh = kPictureHeight / 2;
    v.srcX = p.bx - hw >= 1 && v.mapWidth * z > p.bx + hw ? p.bx - hw : 0;
    v.srcY
        = p.by - hh >= 1 && v.mapHeight * z > p.by + hh ? p.by - hh : v.mapHeight - kPictureHeight;
    v.dstY = 0;
}

// Steps of 50 pixels towards a point within 50 pixels of an edge of the view.
void PathDiagram::scrollToEdge(int px, int py)
{
    MapView &v = m_model->view;
    const double z = zoomFactor(v.zoomIndex);
    if (px < kEdgeMargin && v.srcX != 0)
        v.srcX = std::max(v.srcX - kEdgeStep, 0);
    if (px > kPictureWidth - kEdgeMargin) {
        const double m = v.mapWidth * z - kPictureWidth;
        if (v.srcX < m) {
            v.srcX += kEdgeStep;
            if (v.srcX > m)
                v.srcX = truncToInt(m);
        }
    }
    // A background lower than the view rests on the view's bottom edge (a negative offset):
    // there is nothing above it to scroll to.
    if (py < kEdgeMargin && v.srcY > 0)
        v.srcY = std::max(v.srcY - kEdgeStep, 0);
    if (py > kPictureHeight - kEdgeMargin) {
        const int m = v.mapHeight - kPictureHeight;
        if (v.srcY < m)
            v.srcY = std::min(v.srcY + kEdgeStep, m);
    }
}

// The character of the current frame, turned to `degrees`, stamped on zoomDC at (x, y): the mask
// lets the background through where the character is white.
void PathDiagram::stampCharacter(int x, int y, double degrees)
{
    PathModel &m = *m_model;
    const int slot = m.characterFrame == 2 && m_setup.character2Given ? 2 : 1;
    const std::string &path
        = slot == 2 ? m_setup.values.character2FilePath : m_setup.values.characterFilePath;
    const CharacterLoadResult result = loadCharacterBitmap(m.characters, path, slot);
    if (result != CharacterLoadResult::Loaded || !rotateCharacter(m.characters, slot, degrees)) {
        // Once per run and file: the file is read on every tick, and a message on every tick
        // would bury the window.
        if (m_reportedCharacters.insert(path).second) {
            const std::string known = characterLoadMessage(result);
            platform().showNotice(known.empty()
                    ? tx("PathDiagram", "キャラクタファイルを読み込めません。") + "\n" + path
                    : known);
        }
        return;
    }
    const CharacterImages::Slot &s = m.characters.frames[static_cast<std::size_t>(slot - 1)];
    BITMAPINFOHEADER info;
    std::memcpy(&info, m.characters.fileBuffer.data() + s.infoOffset, sizeof info);
    const std::uint8_t *pixels = m.characters.fileBuffer.data() + s.bitsOffset;
    gs.zoomDC.StretchDIBits(x, y, kCharacterSide, kCharacterSide, 0, 0, kCharacterSide,
        kCharacterSide, s.rotated.data(), &info, DIB_RGB_COLORS, SRCPAINT);
    gs.zoomDC.StretchDIBits(x, y, kCharacterSide, kCharacterSide, 0, 0, kCharacterSide,
        kCharacterSide, pixels, &info, DIB_RGB_COLORS, SRCAND);
}

void PathDiagram::tick()
{
    PathModel &m = *m_model;
    CDC *canvas = gs.canvasDC;
    const bool animating = m.source == PathSource::DataFile && (pb.playing || pb.held);
    // Nothing to draw from unless the points lie within the arrays.
    if (!animating || !canvas || pb.lastIndex < 0 || pb.lastIndex >= kPointCapacity) {
        showView();
        return;
    }
    const int i = std::clamp(pb.index, 0, pb.lastIndex);
    const double x = m.points.x[static_cast<std::size_t>(i)];
    const double y = m.points.y[static_cast<std::size_t>(i)];
    const double degrees = m.points.direction[static_cast<std::size_t>(i)];

    if (i == 0 || m.view.reanchor)
        reanchor(mapPathPoint(m.view, x, y));
    // The point's place in the view as the view now stands, so that the character is drawn at
    // the end of its trail also on a tick that moved the view.
    if (i > 0) {
        const MappedPoint before = mapPathPoint(m.view, x, y);
        scrollToEdge(before.px, before.py);
    }
    const MappedPoint p = mapPathPoint(m.view, x, y);
    showView();

    if (i == 0) {
        gs.plotDC.MoveTo(p.bx, p.by);
        gs.overlayDC.SelectObject(&gs.overlayLayer);
        gs.overlayDC.BitBlt(0, 0, kCharacterSide, kCharacterSide, canvas, p.px - kHalfSprite,
            p.py - kHalfSprite, SRCCOPY);
        m.lastPointX = p.bx;
        m.lastPointY = p.by;
    } else if (m.view.reanchor) {
        // After a zoom the line starts afresh at the new scale.
        gs.plotDC.MoveTo(p.bx, p.by);
        m.view.reanchor = false;
    } else {
        gs.plotDC.LineTo(p.bx, p.by);
    }

    const int next = i + 1;
    if (next > pb.lastIndex) {
        pb.atEnd = true;
        pb.index = pb.lastIndex;
    } else {
        pb.index = pb.held ? i : next;
    }

    const std::size_t shown = static_cast<std::size_t>(pb.index);
    std::string text = tx("PathPicture", "X位置 : ");
    appendFixed(text, m.points.x[shown], 2);
    canvas->TextOut(10, 10, text);
    text = tx("PathPicture", "Y位置 : ");
    appendFixed(text, m.points.y[shown], 2);
    canvas->TextOut(10, 24, text);

    if (m_setup.characterGiven && pb.index > 0) {
        const int left = p.bx - kHalfSprite, top = p.by - kHalfSprite;
        gs.overlayDC.SelectObject(&gs.overlayLayer);
        gs.zoomDC.BitBlt(m.lastPointX - kHalfSprite, m.lastPointY - kHalfSprite, kCharacterSide,
            kCharacterSide, &gs.overlayDC, 0, 0, SRCCOPY);
        gs.overlayDC.BitBlt(0, 0, kCharacterSide, kCharacterSide, canvas, p.px - kHalfSprite,
            p.py - kHalfSprite, SRCCOPY);
        stampCharacter(left, top, degrees);
        canvas->BitBlt(p.px - kHalfSprite, p.py - kHalfSprite, kCharacterSide, kCharacterSide,
            &gs.zoomDC, left, top, SRCCOPY);
    }
    m.lastPointX = p.bx;
    m.lastPointY = p.by;
}
