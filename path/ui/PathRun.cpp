// The path diagram's run command: setup, data, background and first view; and the stop that
// puts the whole path state back to its start.

#include "mainwnd/CMainDlg.h"
#include "mainwnd/DataFileMessage.h"
#include "path/ui/CConfirmDlg.h"
#include "path/ui/CPathSetupDlg.h"
#include "path/ui/PathView.h"
#include "res/ResourceIds.h"

#include <filesystem>

namespace {

constexpr int kSourceTeaching = 1;
constexpr int kSourceDataFile = 3;
// The start-up period, used when a data file gives none that a clock can run at.
constexpr int kDefaultTickPeriodMs = 350;

// The background file, or the default one in the start-up folder, into backgroundDC, and a
// working copy of it into plotDC and zoomDC. False, after telling the user, when it cannot be
// loaded or copied.
bool loadBackground(RunState &rs, GdiState &gs)
{
    const std::string path = rs.backgroundGiven
        ? rs.backgroundFilePath
        : (std::filesystem::path(rs.startupDirectory) / "bitmap1.bmp").string();
    BITMAP info;
    const bool loaded = gs.backgroundHandle.LoadImageFromFile(path)
        && gs.backgroundHandle.GetBitmap(&info) && gs.plotBitmap.CreateBitmapIndirect(info)
        && gs.zoomBitmap.CreateBitmapIndirect(info);
    rs.backgroundLoaded = loaded;
    if (!loaded) {
        AfxMessageBox(rs.backgroundGiven
                ? "バックグラウンドスクリーン設定失敗"
                : "バックグラウンドスクリーン設定失敗、再度設定し直してください。");
        return false;
    }
    rs.backgroundWidth = info.bmWidth;
    rs.backgroundHeight = info.bmHeight;
    gs.backgroundDC.SelectObject(&gs.backgroundHandle);
    gs.plotDC.SelectObject(&gs.plotBitmap);
    gs.plotDC.BitBlt(0, 0, info.bmWidth, info.bmHeight, &gs.backgroundDC, 0, 0, SRCCOPY);
    gs.zoomDC.SelectObject(&gs.zoomBitmap);
    gs.zoomDC.BitBlt(0, 0, info.bmWidth, info.bmHeight, &gs.backgroundDC, 0, 0, SRCCOPY);

    // Lower-left corner of the background, its bottom edge on the view's bottom edge; a
    // background lower than the view leaves white above it.
    rs.viewSrcX = 0;
    rs.viewDstX = 0;
    rs.viewSrcY = rs.backgroundHeight - rs.viewHeight;
    rs.viewDstY = 0;
    showPathView(rs, gs);
    gs.composeDC.SelectObject(&gs.canvasBitmap);
    showPathView(rs, gs, gs.composeDC);
    return true;
}

} // namespace

void CMainDlg::startPathRun()
{
    gs.plotDC.SelectObject(&gs.penMagenta2);
    CPathSetupDlg setup(rs);
    if (setup.DoModal() != IDOK)
        return;

    clearReadouts();
    const bool fromDataFile = rs.dataFileGiven && rs.sourceMode == kSourceDataFile;
    // A data file without rows plays nothing, also not what an earlier run left in the arrays.
    if (fromDataFile)
        rs.dataReady = false;
    if (fromDataFile && loadDataColumnsWithMessage(rs, true) > 0) {
        rs.dataReady = true;
        rs.plotIndex = 0;
        rs.endReached = false;
        if (rs.tickPeriodMs <= 0) {
            AfxMessageBox("データファイル1行目のＰＬＯＴ速度（5列目）が正の数ではありません。"
                          "350 msec 間隔で再生します。");
            rs.tickPeriodMs = kDefaultTickPeriodMs;
        }
    }

    setButtonFace(gs.pathRunButton, gs.pathRunButtonRect, IDB_PATH_ACTIVE);
    rs.pathRunning = true;
    rs.corrSetupDone = false;
    if (rs.character2Given)
        rs.characterBlink = true;
    rs.characterFilesReported.clear();
    if (loadBackground(rs, gs))
        SetTimer(1, 200);
    if (rs.sourceMode == kSourceTeaching)
        rs.teachCount = 0;
}

void CMainDlg::stopPathRun()
{
    if (rs.playing) {
        setButtonFace(gs.playButton, gs.playButtonRect, IDB_PLAY_IDLE);
        rs.playing = false;
    }
    killClocks();
    setButtonFace(gs.pathRunButton, gs.pathRunButtonRect, IDB_PATH_IDLE);
    rs.pauseHeld = false;
    rs.pathRunning = false;
    rs.dataReady = false;
    rs.characterBlink = false;
    Sleep(500); // a tick under way finishes before anything it uses goes

    gs.plotBitmap.DeleteObject();
    gs.zoomBitmap.DeleteObject();
    rs.reallocateAllArrays();
    if (rs.curveInterpolation) {
        rs.releaseSplineBuffers();
        rs.curveInterpolation = false;
    }

    rs.playing = false;
    rs.dataReady = false;
    rs.plotIndex = 0;
    rs.lastIndex = 0;
    rs.endReached = false;
    rs.backgroundGiven = rs.characterGiven = rs.character2Given = rs.dataFileGiven = false;
    rs.characterBlink = false;
    rs.characterFrame = 1;
    rs.sourceMode = 0;
    rs.zoomIndex = 0;
    rs.originX = rs.originY = 0.0;
    rs.viewSrcX = rs.viewSrcY = rs.viewDstX = rs.viewDstY = 0;
    rs.viewReanchor = false;
    rs.teachPointPicked = false;
    m_editZoom.SetWindowText("等倍");
}

void CMainDlg::OnPathRunStop()
{
    // The correlation diagram owns the clocks, the arrays and the picture while it runs.
    if (rs.corrRunning)
        return;
    if (rs.pathRunning) {
        stopPathRun();
    } else {
        CConfirmDlg confirm(rs);
        if (rs.pathSetupDone) {
            rs.confirmMessage = "前回設定内容が存在します。修正しますか？";
            if (confirm.DoModal() != IDOK)
                rs.pathSetupDone = false;
        }
        startPathRun();
    }
    // A failed background, or a cancelled setup before any background, ends in a clean state.
    if (!rs.backgroundLoaded)
        stopPathRun();
}
