#include "mainwnd/CMainDlg.h"

#include "export/AnimationExport.h"
#include "mainwnd/CAboutDlg.h"
#include "platform/Resources.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"
#include "res/ResourceIds.h"

#include <QDir>

namespace {
CMainDlg *g_tickWindow = nullptr; // the window the multimedia timer procedure serves
}

BEGIN_MESSAGE_MAP(CMainDlg)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_PATH_RUN, OnPathRunStop)
ON_WM_TIMER()
ON_BN_CLICKED(IDC_PLAY_PAUSE, OnPlayPause)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_BN_CLICKED(IDC_SCROLL_DOWN, OnScrollDown)
ON_BN_CLICKED(IDC_SCROLL_UP, OnScrollUp)
ON_BN_CLICKED(IDC_SCROLL_RIGHT, OnScrollRight)
ON_BN_CLICKED(IDC_SCROLL_LEFT, OnScrollLeft)
ON_WM_KILLFOCUS()
ON_BN_CLICKED(IDC_ZOOM_IN, OnZoomIn)
ON_BN_CLICKED(IDC_ZOOM_OUT, OnZoomOut)
ON_BN_CLICKED(IDC_TEACH_CORRECTION, OnTeachCorrection)
ON_BN_CLICKED(IDC_CORR_RUN, OnCorrelationRunStop)
ON_NOTIFY(NM_RELEASEDCAPTURE, IDC_SLIDER_POSITION, OnSliderReleasedCapture)
ON_NOTIFY(NM_CUSTOMDRAW, IDC_SLIDER_POSITION, OnSliderCustomDraw)
ON_BN_CLICKED(IDC_SLIDER_MODE, OnSliderMode)
ON_WM_HELPINFO()
END_MESSAGE_MAP()

CMainDlg::CMainDlg(RunState &state, GdiState &gdi, CWnd *parent)
    : CDialog(mainDialogTemplate(), parent)
    , rs(state)
    , gs(gdi)
    , m_hIcon(loadResourceIcon(IDR_MAINFRAME, 32))
{
}

CMainDlg::~CMainDlg()
{
    if (g_tickWindow == this)
        g_tickWindow = nullptr;
}

void CMainDlg::DoDataExchange(CDataExchange *dx)
{
    DDX_Control(dx, IDC_EDIT_TIME, m_editTime);
    DDX_Control(dx, IDC_SLIDER_POSITION, m_sliderPosition);
    DDX_Control(dx, IDC_EDIT_ZOOM, m_editZoom);
    DDX_Control(dx, IDC_EDIT_Y, m_editY);
    DDX_Control(dx, IDC_EDIT_X, m_editX);
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_initialised = false;

    if (CMenu *systemMenu = GetSystemMenu(FALSE)) {
        const std::string about = loadResourceString(IDS_ABOUTBOX);
        if (!about.empty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
        }
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, IDM_SAVE_PICTURE, "画像を保存...");
        systemMenu->AppendMenu(MF_STRING, IDM_EXPORT_ANIMATION, "アニメーションを書き出す...");
    }
    // The icon (WM_SETICON) was set on the window when its widgets were built.

    WINDOWPLACEMENT placement;
    if (CWnd *canvas = GetDlgItem(IDC_CANVAS); canvas && canvas->GetWindowPlacement(&placement)) {
        const RECT &r = placement.rcNormalPosition;
        rs.canvasRect = RunState::Rect { r.left, r.top, r.right, r.bottom };
    }

    if (!gs.teachCorrectionButton.SubclassDlgItem(IDC_TEACH_CORRECTION, this)
        || !gs.playButton.SubclassDlgItem(IDC_PLAY_PAUSE, this)
        || !gs.pathRunButton.SubclassDlgItem(IDC_PATH_RUN, this)
        || !gs.corrRunButton.SubclassDlgItem(IDC_CORR_RUN, this)
        || !gs.sliderModeButton.SubclassDlgItem(IDC_SLIDER_MODE, this))
        return FALSE;

    struct Face
    {
        CBitmapButton &button;
        int id, up, down;
        CWnd *&wnd;
        RECT &rect;
    };
    const Face faces[] = {
        { gs.playButton, IDC_PLAY_PAUSE, IDB_PLAY_IDLE, IDB_PLAY_ACTIVE, gs.playButtonWnd,
            gs.playButtonRect },
        { gs.pathRunButton, IDC_PATH_RUN, IDB_PATH_IDLE, IDB_PATH_ACTIVE, gs.pathRunButtonWnd,
            gs.pathRunButtonRect },
        { gs.teachCorrectionButton, IDC_TEACH_CORRECTION, IDB_TEACH_IDLE, IDB_TEACH_ACTIVE,
            gs.teachCorrectionButtonWnd, gs.teachCorrectionButtonRect },
        { gs.corrRunButton, IDC_CORR_RUN, IDB_CORR_IDLE, IDB_CORR_ACTIVE, gs.corrRunButtonWnd,
            gs.corrRunButtonRect },
        { gs.sliderModeButton, IDC_SLIDER_MODE, IDB_SLIDER_IDLE, IDB_SLIDER_ACTIVE,
            gs.sliderModeButtonWnd, gs.sliderModeButtonRect },
    };
    for (const Face &f : faces) {
        f.button.LoadBitmaps(f.up, f.down);
        f.button.SizeToContent();
        f.wnd = GetDlgItem(f.id);
        f.button.GetClientRect(&f.rect);
    }

    rs.reallocateAllArrays();

    gs.canvasWnd = GetDlgItem(IDC_CANVAS);
    gs.canvasDC = gs.canvasWnd ? gs.canvasWnd->GetDC() : nullptr;

    gs.backgroundDC.CreateCompatibleDC(gs.canvasDC);
    gs.composeDC.CreateCompatibleDC(gs.canvasDC);
    gs.plotDC.CreateCompatibleDC(gs.canvasDC);
    gs.zoomDC.CreateCompatibleDC(gs.canvasDC);
    gs.overlayDC.CreateCompatibleDC(gs.canvasDC);
    gs.patchDC.CreateCompatibleDC(gs.canvasDC);

    LoadBitmap(gs.canvasBitmap, IDB_CANVAS);
    LoadBitmap(gs.plotLayer, IDB_PLOT);
    LoadBitmap(gs.overlayLayer, IDB_OVERLAY);
    LoadBitmap(gs.patchLayer, IDB_PATCH);

    rs.tickPeriodMs = 350;
    rs.playing = false;
    rs.dataReady = false;
    rs.plotIndex = 0;
    rs.lastIndex = 0;
    rs.backgroundGiven = rs.characterGiven = rs.character2Given = rs.dataFileGiven = false;
    rs.characterBlink = false;
    rs.characterFrame = 1;
    rs.sourceMode = 0;
    rs.decimationStep = 1;
    rs.originX = rs.originY = 0.0;
    rs.viewSrcX = rs.viewSrcY = rs.viewDstX = rs.viewDstY = 0;
    rs.zoomIndex = 0;
    rs.zoomFactors = { 1.0, 0.5, 0.25 };
    rs.viewWidth = 525;
    rs.viewHeight = 350;
    rs.viewReanchor = false;

    m_editZoom.SetWindowText("等倍");

    rs.splineDegree = 2;
    rs.divisionCount = 20;
    rs.teachPointPicked = false;

    gs.penMagenta2.CreatePen(PS_SOLID, 2, RGB(255, 0, 255));
    gs.plotDC.SelectObject(&gs.penMagenta2);
    gs.penGreen2.CreatePen(PS_SOLID, 2, RGB(0, 215, 52));
    gs.penTeal2.CreatePen(PS_SOLID, 2, RGB(0, 212, 212));
    gs.penRed2.CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
    gs.penWhite2.CreatePen(PS_SOLID, 2, RGB(255, 255, 255));
    gs.brushWhite.CreateSolidBrush(RGB(255, 255, 255));
    gs.penRed1.CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    gs.brushRed.CreateSolidBrush(RGB(255, 0, 0));
    gs.penAzure1.CreatePen(PS_SOLID, 1, RGB(0, 127, 255));
    gs.brushAzure.CreateSolidBrush(RGB(0, 127, 255));
    gs.penCyan1.CreatePen(PS_SOLID, 1, RGB(0, 255, 255));
    gs.brushCyan.CreateSolidBrush(RGB(0, 255, 255));

    gs.toolTip.Create(this, 0);
    const std::pair<int, const char *> tools[] = {
        { IDC_PLAY_PAUSE, "再生/一時停止" },
        { IDC_TEACH_CORRECTION, "教示中のﾎﾟｲﾝﾄ修正" },
        { IDC_ZOOM_IN, "ｽﾞｰﾑｲﾝ" },
        { IDC_ZOOM_OUT, "ｽﾞｰﾑｱｳﾄ" },
        { IDC_SCROLL_UP, "上ｽｸﾛｰﾙ" },
        { IDC_SCROLL_RIGHT, "右ｽｸﾛｰﾙ" },
        { IDC_SCROLL_LEFT, "左ｽｸﾛｰﾙ" },
        { IDC_SCROLL_DOWN, "下ｽｸﾛｰﾙ" },
        { IDC_PATH_RUN, "経路図実行/終了" },
        { IDC_CORR_RUN, "相関図実行/終了" },
        { IDC_SLIDER_MODE, "相関図 データ位置スライダ指定" },
    };
    for (const auto &[id, text] : tools)
        gs.toolTip.AddTool(GetDlgItem(id), text);

    if (gs.titleFont.CreateFont(
            14, 0, 0, 0, 700, false, false, false, 128, 2, 0, 0, 0, "ＭＳ ゴシック")
        && gs.canvasDC)
        gs.canvasDCPreviousFont = gs.canvasDC->SelectObject(&gs.titleFont);
    else
        gs.canvasDCPreviousFont = nullptr;
    if (gs.canvasDC)
        gs.canvasDC->SetTextColor(RGB(0, 127, 255));
    if (gs.smallFont.CreateFont(
            10, 0, 0, 0, 400, false, false, false, 128, 2, 0, 0, 0, "ＭＳ ゴシック"))
        gs.overlayDCPreviousFont = gs.overlayDC.SelectObject(&gs.smallFont);
    else
        gs.overlayDCPreviousFont = nullptr;

    gs.overlayDC.SetTextColor(RGB(0, 127, 11));
    gs.penDarkGreen1.CreatePen(PS_SOLID, 1, RGB(0, 127, 11));
    gs.overlayDC.SelectObject(&gs.penDarkGreen1);

    m_sliderPosition.SetRange(1, 100, TRUE);
    m_sliderPosition.SetPageSize(5);
    m_sliderPosition.SetPos(1);

    rs.sliderMode = false;
    rs.pathSetupDone = false;
    rs.corrSetupDone = false;
    rs.corrOffsetX = rs.corrOffsetY = 0;
    rs.sliderFirstMarker = false;
    rs.startupDirectory = QDir::currentPath().toStdString();

    rs.pauseHeld = false;
    rs.endReached = false;
    m_initialised = true;
    g_tickWindow = this;
    return TRUE;
}

bool CMainDlg::OnMessage(const MSG &msg)
{
    // After a failed start-up the surfaces and arrays do not exist: only closing and the about
    // box remain.
    const bool harmless = msg.message == WM_SYSCOMMAND || msg.message == WM_PAINT
        || msg.message == WM_QUERYDRAGICON || msg.message == WM_KILLFOCUS || msg.message == WM_HELP;
    if (!m_initialised && !harmless)
        return msg.message == WM_COMMAND && msg.id != IDOK && msg.id != IDCANCEL;
    return CDialog::OnMessage(msg);
}

BOOL CMainDlg::DestroyWindow()
{
    m_export.reset(); // an unfinished export stops and leaves no file
    if (m_initialised) {
        killClocks();
        Sleep(500);

        rs.dataX = {};
        rs.dataY = {};
        rs.dataDirection = {};
        rs.firstRowInterpSpeed = {};
        rs.firstRowPlotSpeed = {};
        rs.teachX = {};
        rs.teachY = {};
        rs.releaseSplineBuffers();

        for (CPen *pen : { &gs.penMagenta2, &gs.penGreen2, &gs.penTeal2, &gs.penRed2, &gs.penWhite2,
                 &gs.penRed1, &gs.penDarkGreen1, &gs.penAzure1, &gs.penCyan1 })
            pen->DeleteObject();
        for (CBrush *brush : { &gs.brushWhite, &gs.brushRed, &gs.brushAzure, &gs.brushCyan })
            brush->DeleteObject();

        if (gs.overlayDCPreviousFont)
            gs.overlayDC.SelectObject(gs.overlayDCPreviousFont);
        gs.smallFont.DeleteObject();
        if (gs.canvasDCPreviousFont && gs.canvasDC)
            gs.canvasDC->SelectObject(gs.canvasDCPreviousFont);
        gs.titleFont.DeleteObject();

        for (CDC *dc :
            { &gs.backgroundDC, &gs.zoomDC, &gs.composeDC, &gs.plotDC, &gs.overlayDC, &gs.patchDC })
            dc->DeleteDC();

        if (gs.canvasWnd)
            gs.canvasWnd->ReleaseDC(gs.canvasDC);
        gs.canvasDC = nullptr;
        gs.canvasWnd = nullptr;
        m_initialised = false;
    }
    if (g_tickWindow == this)
        g_tickWindow = nullptr;
    return CDialog::DestroyWindow();
}

void CMainDlg::OnSysCommand(UINT id, long)
{
    switch (id & 0xFFF0) {
    case IDM_ABOUTBOX:
        OnHelpInfo();
        break;
    case IDM_SAVE_PICTURE:
        if (m_initialised)
            OnSavePicture();
        break;
    case IDM_EXPORT_ANIMATION:
        if (m_initialised)
            OnExportAnimation();
        break;
    default:
        break;
    }
}

void CMainDlg::OnHelpInfo()
{
    CAboutDlg about;
    about.DoModal();
}

// Linux desktops paint minimised windows themselves; the canvas comes back at the next blit.
void CMainDlg::OnPaint() { Default(); }

void CMainDlg::OnQueryDragIcon() { }

void CMainDlg::OnKillFocus(CWnd *) { Default(); }

BOOL CMainDlg::PreTranslateMessage(MSG *msg)
{
    // Qt relays mouse input to tool tips by itself.
    return CDialog::PreTranslateMessage(msg);
}

void CMainDlg::setButtonFace(CBitmapButton &button, const RECT &rect, int bitmapId)
{
    button.LoadBitmaps(bitmapId, bitmapId);
    button.InvalidateRect(&rect);
}

void CMainDlg::clearReadouts()
{
    m_editX.SetWindowText("");
    m_editY.SetWindowText("");
    m_editTime.SetWindowText("");
}

void timerProc(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR)
{
    if (g_tickWindow)
        g_tickWindow->OnTick(user);
}
