// The path animation tick: the next point mapped onto the background, the view kept on it, the
// trajectory extended, the position read out and the character drawn turned to its heading.

#include "data/NumberText.h"
#include "data/TruncToInt.h"
#include "mainwnd/CMainDlg.h"
#include "mainwnd/ClockTasks.h"
#include "path/core/CharacterSprite.h"
#include "path/core/PointMapping.h"
#include "path/ui/PathView.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kSourceDataFile = 3;
constexpr int kHalfSprite = kCharacterSide / 2;
constexpr int kEdgeMargin = 50;
constexpr int kEdgeStep = 50;

double zoomOf(const RunState &rs)
{
    return rs.zoomFactors[static_cast<std::size_t>(std::clamp(rs.zoomIndex, 0, 2))];
}

// Where the view starts: centred on the point when the whole view fits the zoomed background
// around it, else at the left edge and the bottom rows.
void reanchor(RunState &rs, const MappedPoint &p)
{
    const double z = zoomOf(rs);
    const int hw = rs.viewWidth / 2;
    const int hh = rs.viewHeight / 2;
    rs.viewSrcX = p.bx - hw >= 1 && rs.backgroundWidth * z > p.bx + hw ? p.bx - hw : 0;
    rs.viewSrcY = p.by - hh >= 1 && rs.backgroundHeight * z > p.by + hh
        ? p.by - hh
        : rs.backgroundHeight - rs.viewHeight;
    rs.viewDstY = 0;
}

// Steps of 50 pixels towards a point within 50 pixels of an edge of the view.
void scrollToEdge(RunState &rs, int px, int py)
{
    const double z = zoomOf(rs);
    if (px < kEdgeMargin && rs.viewSrcX != 0)
        rs.viewSrcX = std::max(rs.viewSrcX - kEdgeStep, 0);
    if (px > rs.viewWidth - kEdgeMargin) {
        const double m = rs.backgroundWidth * z - rs.viewWidth;
        if (rs.viewSrcX < m) {
            rs.viewSrcX += kEdgeStep;
            if (rs.viewSrcX > m)
                rs.viewSrcX = truncToInt(m);
        }
    }
    // A background lower than the view rests on the view's bottom edge (a negative offset):
    // there is nothing above it to scroll to.
    if (py < kEdgeMargin && rs.viewSrcY > 0)
        rs.viewSrcY = std::max(rs.viewSrcY - kEdgeStep, 0);
    if (py > rs.viewHeight - kEdgeMargin) {
        const int m = rs.backgroundHeight - rs.viewHeight;
        if (rs.viewSrcY < m)
            rs.viewSrcY = std::min(rs.viewSrcY + kEdgeStep, m);
    }
}

void tellCharacterFault(RunState &rs, const std::string &path, CharacterLoadResult result)
{
    // Once per run and file: the file is read on every tick, and a message on every tick would
    // bury the window.
    if (!rs.characterFilesReported.insert(path).second)
        return;
    const std::string_view known = characterLoadMessage(result);
    platform().showNotice(
        known.empty() ? "キャラクタファイルを読み込めません。\n" + path : std::string(known));
}

// The character of the current frame, turned to `degrees`, stamped on zoomDC at (x, y): the mask
// lets the background through where the character is white.
void stampCharacter(RunState &rs, GdiState &gs, int x, int y, double degrees)
{
    const int slot = rs.characterFrame == 2 && rs.character2Given ? 2 : 1;
    const std::string &path = slot == 2 ? rs.character2FilePath : rs.characterFilePath;
    const CharacterLoadResult result = loadCharacterBitmap(rs, path, slot);
    if (result != CharacterLoadResult::Loaded || !rotateCharacter(rs, slot, degrees)) {
        tellCharacterFault(rs, path, result);
        return;
    }
    const RunState::CharacterSlot &s = rs.characterSlots[static_cast<std::size_t>(slot - 1)];
    BITMAPINFOHEADER info;
    std::memcpy(&info, rs.charFileBuffer.data() + s.infoOffset, sizeof info);
    const std::uint8_t *pixels = rs.charFileBuffer.data() + s.bitsOffset;
    gs.zoomDC.StretchDIBits(x, y, kCharacterSide, kCharacterSide, 0, 0, kCharacterSide,
        kCharacterSide, s.rotated.data(), &info, DIB_RGB_COLORS, SRCPAINT);
    gs.zoomDC.StretchDIBits(x, y, kCharacterSide, kCharacterSide, 0, 0, kCharacterSide,
        kCharacterSide, pixels, &info, DIB_RGB_COLORS, SRCAND);
}

} // namespace

void pathTick(CMainDlg &w)
{
    RunState &rs = w.state();
    GdiState &gs = w.gdi();
    CDC *canvas = gs.canvasDC;
    const bool animating = rs.sourceMode == kSourceDataFile && (rs.playing || rs.pauseHeld);
    // Nothing to draw from unless the points lie within the arrays.
    if (!animating || !canvas || rs.lastIndex < 0 || rs.lastIndex >= kPointCapacity) {
        showPathView(rs, gs);
        return;
    }
    const int i = std::clamp(rs.plotIndex, 0, rs.lastIndex);
    const double x = rs.dataX[static_cast<std::size_t>(i)];
    const double y = rs.dataY[static_cast<std::size_t>(i)];
    const double degrees = rs.dataDirection[static_cast<std::size_t>(i)];

    if (i == 0 || rs.viewReanchor)
        reanchor(rs, mapPathPoint(rs, x, y));
    // The point's place in the view as the view now stands, so that the character is drawn at
    // the end of its trail also on a tick that moved the view.
    if (i > 0) {
        const MappedPoint before = mapPathPoint(rs, x, y);
        scrollToEdge(rs, before.px, before.py);
    }
    const MappedPoint p = mapPathPoint(rs, x, y);
    showPathView(rs, gs);

    if (i == 0) {
        gs.plotDC.MoveTo(p.bx, p.by);
        gs.overlayDC.SelectObject(&gs.overlayLayer);
        gs.overlayDC.BitBlt(0, 0, kCharacterSide, kCharacterSide, canvas, p.px - kHalfSprite,
            p.py - kHalfSprite, SRCCOPY);
        rs.lastPointX = p.bx;
        rs.lastPointY = p.by;
    } else if (rs.viewReanchor) {
        // After a zoom the line starts afresh at the new scale.
        gs.plotDC.MoveTo(p.bx, p.by);
        rs.viewReanchor = false;
    } else {
        gs.plotDC.LineTo(p.bx, p.by);
    }

    const int next = i + 1;
    if (next > rs.lastIndex) {
        rs.endReached = true;
        rs.plotIndex = rs.lastIndex;
    } else {
        rs.plotIndex = rs.pauseHeld ? i : next;
    }

    const std::size_t shown = static_cast<std::size_t>(rs.plotIndex);
    std::string text = "X位置 : ";
    appendFixed(text, rs.dataX[shown], 2);
    canvas->TextOut(10, 10, text);
    text = "Y位置 : ";
    appendFixed(text, rs.dataY[shown], 2);
    canvas->TextOut(10, 24, text);

    if (rs.characterGiven && rs.plotIndex > 0) {
        const int left = p.bx - kHalfSprite, top = p.by - kHalfSprite;
        gs.overlayDC.SelectObject(&gs.overlayLayer);
        gs.zoomDC.BitBlt(rs.lastPointX - kHalfSprite, rs.lastPointY - kHalfSprite, kCharacterSide,
            kCharacterSide, &gs.overlayDC, 0, 0, SRCCOPY);
        gs.overlayDC.BitBlt(0, 0, kCharacterSide, kCharacterSide, canvas, p.px - kHalfSprite,
            p.py - kHalfSprite, SRCCOPY);
        stampCharacter(rs, gs, left, top, degrees);
        canvas->BitBlt(p.px - kHalfSprite, p.py - kHalfSprite, kCharacterSide, kCharacterSide,
            &gs.zoomDC, left, top, SRCCOPY);
    }
    rs.lastPointX = p.bx;
    rs.lastPointY = p.by;
}
