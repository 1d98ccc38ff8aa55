#include "mainwnd/CMainDlg.h"

#include "data/Translate.h"
#include "mainwnd/CAboutDlg.h"
#include "mainwnd/Clocks.h"
#include "mainwnd/ExportCommands.h"
#include "mainwnd/PictureSize.h"
#include "platform/CanvasWidget.h"
#include "platform/Resources.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"
#include "res/ResourceIds.h"

#include <algorithm>

namespace {

CMainDlg *g_tickWindow = nullptr; // the window the multimedia timer procedure serves

// The multimedia timer procedure: the tick goes to the main window.
void timerProc(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR);

} // namespace

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

CMainDlg::CMainDlg(CWnd *parent)
    : CDialog(mainDialogTemplate(), parent)
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
    DDX_Control(dx, IDC_EDIT_TIME, m_controls.editTime);
    DDX_Control(dx, IDC_SLIDER_POSITION, m_controls.slider);
    DDX_Control(dx, IDC_EDIT_ZOOM, m_controls.editZoom);
    DDX_Control(dx, IDC_EDIT_Y, m_controls.editY);
    DDX_Control(dx, IDC_EDIT_X, m_controls.editX);
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_initialised = false;
    m_playback = {};

    if (CMenu *systemMenu = GetSystemMenu(FALSE)) {
        const std::string about = loadResourceString(IDS_ABOUTBOX);
        if (!about.empty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
        }
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, IDM_SAVE_PICTURE, tx("MainWindow", "画像を保存..."));
        systemMenu->AppendMenu(
            MF_STRING, IDM_EXPORT_ANIMATION, tx("MainWindow", "アニメーションを書き出す..."));
    }
    // The icon (WM_SETICON) was set on the window when its widgets were built.

    WINDOWPLACEMENT placement;
    if (CWnd *canvas = GetDlgItem(IDC_CANVAS); canvas && canvas->GetWindowPlacement(&placement))
        m_controls.canvasRect = placement.rcNormalPosition;

    if (!m_controls.attachButtons())
        return FALSE;
    createDrawingObjects();
    m_controls.setZoomText(tx("PathView", "等倍"));

    m_toolTip.Create(this, 0);
    const std::pair<int, std::string> tools[] = {
        { IDC_PLAY_PAUSE, tx("MainWindow", "再生/一時停止") },
        { IDC_TEACH_CORRECTION, tx("MainWindow", "教示中のﾎﾟｲﾝﾄ修正") },
        { IDC_ZOOM_IN, tx("MainWindow", "ｽﾞｰﾑｲﾝ") },
        { IDC_ZOOM_OUT, tx("MainWindow", "ｽﾞｰﾑｱｳﾄ") },
        { IDC_SCROLL_UP, tx("MainWindow", "上ｽｸﾛｰﾙ") },
        { IDC_SCROLL_RIGHT, tx("MainWindow", "右ｽｸﾛｰﾙ") },
        { IDC_SCROLL_LEFT, tx("MainWindow", "左ｽｸﾛｰﾙ") },
        { IDC_SCROLL_DOWN, tx("MainWindow", "下ｽｸﾛｰﾙ") },
        { IDC_PATH_RUN, tx("MainWindow", "経路図実行/終了") },
        { IDC_CORR_RUN, tx("MainWindow", "相関図実行/終了") },
        { IDC_SLIDER_MODE, tx("MainWindow", "相関図 データ位置スライダ指定") },
    };
    for (const auto &[id, text] : tools)
        m_toolTip.AddTool(GetDlgItem(id), text);

    m_controls.slider.SetRange(1, 100, TRUE);
    m_controls.slider.SetPageSize(5);
    m_controls.slider.SetPos(1);

    m_controls.setTickProcedure(timerProc);
    m_diagrams = createDiagrams(DiagramContext { m_playback, m_gdi, m_controls });
    m_initialised = true;
    g_tickWindow = this;
    return TRUE;
}

void CMainDlg::createDrawingObjects()
{
    GdiState &gs = m_gdi;
    gs.canvasWnd = GetDlgItem(IDC_CANVAS);
    gs.canvasDC = gs.canvasWnd ? gs.canvasWnd->GetDC() : nullptr;

    for (CDC *dc :
        { &gs.backgroundDC, &gs.composeDC, &gs.plotDC, &gs.zoomDC, &gs.overlayDC, &gs.patchDC })
        dc->CreateCompatibleDC(gs.canvasDC);

    LoadBitmap(gs.canvasBitmap, IDB_CANVAS);
    LoadBitmap(gs.plotLayer, IDB_PLOT);
    LoadBitmap(gs.overlayLayer, IDB_OVERLAY);
    LoadBitmap(gs.patchLayer, IDB_PATCH);

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
}

void CMainDlg::releaseDrawingObjects()
{
    GdiState &gs = m_gdi;
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

void CMainDlg::OnCancel()
{
    if (m_initialised
        && !std::ranges::all_of(m_diagrams, [](const auto &d) { return d->mayClose(); }))
        return;
    CDialog::OnCancel();
}

BOOL CMainDlg::DestroyWindow()
{
    m_export.reset(); // an unfinished export stops and leaves no file
    if (m_initialised) {
        // Ticks run on this thread and a stopped clock delivers nothing more: all can go now.
        m_controls.killClocks(m_playback.clockId);
        m_diagrams.clear();
        releaseDrawingObjects();
        m_initialised = false;
    }
    if (g_tickWindow == this)
        g_tickWindow = nullptr;
    return CDialog::DestroyWindow();
}

Diagram &CMainDlg::diagram(DiagramKind kind)
{
    const auto found
        = std::ranges::find_if(m_diagrams, [kind](const auto &d) { return d->kind() == kind; });
    return **found;
}

Diagram *CMainDlg::runningDiagram() const
{
    const auto found = std::ranges::find_if(m_diagrams, [](const auto &d) { return d->running(); });
    return found == m_diagrams.end() ? nullptr : found->get();
}

void CMainDlg::runOrStop(DiagramKind kind)
{
    Diagram &d = diagram(kind);
    const Diagram *running = runningDiagram();
    // A setup accepted for one diagram is no longer offered again by the others.
    if (d.runOrStop(running && running != &d))
        for (const auto &other : m_diagrams)
            if (other.get() != &d)
                other->forgetSetup();
}

void CMainDlg::OnPathRunStop() { runOrStop(DiagramKind::Path); }

void CMainDlg::OnCorrelationRunStop() { runOrStop(DiagramKind::Correlation); }

void CMainDlg::OnPlayPause()
{
    Diagram *d = runningDiagram();
    if (m_playback.playing) {
        // At the end of a run the press that stops the clock also starts again from the start.
        const bool over = m_playback.atEnd;
        m_controls.showActive(WindowButton::Play, false);
        m_playback.playing = false;
        if (d)
            d->pause();
        if (!over)
            return;
    }
    if (!d || !d->prepareToPlay())
        return;
    m_controls.showActive(WindowButton::Play, true);
    m_playback.playing = true;
    d->play();
}

void CMainDlg::OnTimer(UINT id)
{
    if (Diagram *d = runningDiagram())
        d->onTimer(id);
    Default();
}

void CMainDlg::OnTick(DWORD_PTR)
{
    if (Diagram *d = runningDiagram())
        d->tick();
}

void CMainDlg::OnMouseMove(UINT, POINT point)
{
    const RECT &r = m_controls.canvasRect;
    // Exactly the pixels the view shows: its first row counts, the row below it does not.
    m_mouseInPicture = r.left <= point.x && point.x < r.left + kPictureWidth && r.top <= point.y
        && point.y < r.top + kPictureHeight;
    if (Diagram *d = runningDiagram())
        d->mouseMoved(point, m_mouseInPicture);
    Default();
}

void CMainDlg::OnLButtonDown(UINT, POINT point)
{
    if (Diagram *d = runningDiagram(); d && m_mouseInPicture)
        d->clicked(point);
    Default();
}

void CMainDlg::OnZoomIn()
{
    if (Diagram *d = runningDiagram())
        d->zoom(-1);
}

void CMainDlg::OnZoomOut()
{
    if (Diagram *d = runningDiagram())
        d->zoom(+1);
}

void CMainDlg::OnScrollDown()
{
    if (Diagram *d = runningDiagram())
        d->scroll(ScrollDirection::Down);
}

void CMainDlg::OnScrollUp()
{
    if (Diagram *d = runningDiagram())
        d->scroll(ScrollDirection::Up);
}

void CMainDlg::OnScrollRight()
{
    if (Diagram *d = runningDiagram())
        d->scroll(ScrollDirection::Right);
}

void CMainDlg::OnScrollLeft()
{
    if (Diagram *d = runningDiagram())
        d->scroll(ScrollDirection::Left);
}

void CMainDlg::OnTeachCorrection()
{
    if (Diagram *d = runningDiagram())
        d->teachCorrection();
}

void CMainDlg::OnSliderMode()
{
    if (Diagram *d = runningDiagram())
        d->sliderMode();
}

void CMainDlg::OnSliderReleasedCapture(LRESULT *result)
{
    if (Diagram *d = runningDiagram())
        d->sliderMoved();
    *result = 0;
}

void CMainDlg::OnSliderCustomDraw(LRESULT *result)
{
    if (Diagram *d = runningDiagram())
        d->sliderMoved();
    *result = 0;
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

void CMainDlg::OnSavePicture()
{
    auto *canvas = qobject_cast<CanvasWidget *>(controlWidget(IDC_CANVAS));
    savePicture(canvas ? canvas->image() : QImage());
}

void CMainDlg::OnExportAnimation()
{
    if (m_export && m_export->running())
        return;
    if (auto job = startAnimationExport(runningDiagram(), widget()))
        m_export = std::move(job);
}

void CMainDlg::OpenSetupFile(const std::string &path)
{
    if (!m_initialised)
        return;
    const QString name = QString::fromStdString(path);
    for (const auto &d : m_diagrams) {
        if (!name.endsWith(QString::fromStdString(d->setupExtension()), Qt::CaseInsensitive))
            continue;
        d->loadSetupAtNextStart(path);
        PressButton(d->runButtonId());
        d->loadSetupAtNextStart({}); // also when the run did not get as far as its dialog
        return;
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

namespace {

void timerProc(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR)
{
    if (g_tickWindow)
        g_tickWindow->OnTick(user);
}

} // namespace
