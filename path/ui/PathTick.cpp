// The path animation tick: the next point mapped onto the background, the view kept on it, the
// trajectory extended, the position read out and the character drawn turned to its heading.

#include "data/NumberText.h"
#include "data/Translate.h"
#include "data/TruncToInt.h"
#include "mainwnd/GdiState.h"
#include "mainwnd/PictureSize.h"
#include "mainwnd/Playback.h"
#include "mainwnd/WindowControls.h"
#include "path/core/PngCharacterFile.h"
#include "path/ui/PathDiagram.h"
#include "path/ui/PngCharacter.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kHalfSprite = kCharacterSide / 2;

// Copies a character-sized block to the canvas, only the part that falls inside the picture: the
// area's unused row and whatever lies beyond it stay untouched.
void blitInsidePicture(CDC &canvas, int x, int y, CDC &source, int sourceX, int sourceY)
{
    const QRect block(x, y, kCharacterSide, kCharacterSide);
    const QRect shown = block.intersected(QRect(0, 0, kPictureWidth, kPictureHeight));
    if (shown.isEmpty())
        return;
    canvas.BitBlt(shown.x(), shown.y(), shown.width(), shown.height(), &source,
        sourceX + shown.x() - x, sourceY + shown.y() - y, SRCCOPY);
}

} // namespace

// The character of the current frame, turned to `degrees`, stamped on zoomDC at (x, y): the mask
// lets the background through where the character is white, a PNG's own transparency where it
// is transparent.
void PathDiagram::stampCharacter(int x, int y, double degrees)
{
    PathModel &m = *m_model;
    const int slot = m.characterFrame == 2 && m_setup.character2Given ? 2 : 1;
    const std::string &path
        = slot == 2 ? m_setup.values.character2FilePath : m_setup.values.characterFilePath;
    if (isPngCharacter(path)) {
        const std::string fault
            = stampPngCharacter(gs.zoomDC, QPoint(x, y), m_pngCharacters, path, degrees);
        // Told once per run and file, as a bitmap's fault is.
        if (!fault.empty() && m_reportedCharacters.insert(path).second)
            platform().showNotice(fault);
        return;
    }
    const CharacterLoadResult result = loadCharacterBitmap(m.characters, path, slot);
    if (result != CharacterLoadResult::Loaded || !rotateCharacter(m.characters, slot, degrees)) {
        // Once per run and file: the file is read on every tick, and a message on every tick
        // would bury the window.
        if (m_reportedCharacters.insert(path).second)
            platform().showNotice(characterFaultMessage(path,
                result == CharacterLoadResult::Loaded ? CharacterLoadResult::Unreadable : result));
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

TickOutcome PathDiagram::tick()
{
    PathModel &m = *m_model;
    CDC *canvas = gs.canvasDC;
    const bool animating
        = m.source == PathSource::DataFile && (pb.playing() || pb.held() || pb.replaying());
    // Nothing to draw from unless the points lie within the arrays.
    if (!animating || !canvas || !m.points.holds(pb.lastIndex())) {
        showView();
        return TickOutcome::Hold;
    }
    const int i = std::clamp(pb.index(), 0, pb.lastIndex());
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
        // The view was placed for the first point: the next tick draws the first segment.
        m.view.reanchor = false;
    } else if (m.view.reanchor) {
        // After a zoom the line starts afresh at the new scale.
        gs.plotDC.MoveTo(p.bx, p.by);
        m.view.reanchor = false;
    } else {
        gs.plotDC.LineTo(p.bx, p.by);
    }

    const TickOutcome outcome = i == pb.lastIndex() ? TickOutcome::End : TickOutcome::Next;
    // The read-outs and the character show the point the run stands at after this tick.
    showWalker(p, pb.indexAfter(outcome), degrees);
    // The logged time of the point the position read-outs show, also after a step.
    if (!m.points.time.empty())
        ui.editTime.SetWindowText(
            loggedTimeText(m.points, pb.indexAfter(outcome), m_setup.values.time.unit));
    return outcome;
}

// The position read-outs of point `shown` and the character at p turned to its heading, over
// the view: the block the character covered last time is restored first.
void PathDiagram::showWalker(const MappedPoint &p, int shown, double degrees)
{
    PathModel &m = *m_model;
    CDC &canvas = *gs.canvasDC;
    const auto at = static_cast<std::size_t>(shown);
    std::string text = tx("PathPicture", "X位置 : ");
    appendReadout(text, m.points.x[at], 2);
    canvas.TextOut(10, 10, text);
    text = tx("PathPicture", "Y位置 : ");
    appendReadout(text, m.points.y[at], 2);
    canvas.TextOut(10, 24, text);

    if (m_setup.characterGiven && (shown > 0 || pb.replaying())) {
        const int left = p.bx - kHalfSprite, top = p.by - kHalfSprite;
        gs.overlayDC.SelectObject(&gs.overlayLayer);
        gs.zoomDC.BitBlt(m.lastPointX - kHalfSprite, m.lastPointY - kHalfSprite, kCharacterSide,
            kCharacterSide, &gs.overlayDC, 0, 0, SRCCOPY);
        gs.overlayDC.BitBlt(0, 0, kCharacterSide, kCharacterSide, &canvas, p.px - kHalfSprite,
            p.py - kHalfSprite, SRCCOPY);
        stampCharacter(left, top, degrees);
        blitInsidePicture(canvas, p.px - kHalfSprite, p.py - kHalfSprite, gs.zoomDC, left, top);
    }
    m.lastPointX = p.bx;
    m.lastPointY = p.by;
}
