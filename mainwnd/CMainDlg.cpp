#include "mainwnd/CMainDlg.h"

#include "data/Translate.h"
#include "mainwnd/CAboutDlg.h"
#include "mainwnd/ExportCommands.h"
#include "mainwnd/PresenterKeys.h"
#include "mainwnd/WindowScale.h"
#include "platform/CanvasWidget.h"
#include "platform/FullScreenPicture.h"
#include "platform/Resources.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"
#include "res/ResourceIds.h"

#include <algorithm>

namespace {

std::vector<ControlTemplate> runButtons()
{
    std::vector<ControlTemplate> buttons;
    for (const DiagramDescriptor &d : diagramRegistry()) {
        const auto &b = d.runButton;
        buttons.push_back(
            { b.controlId, ControlKind::OwnerDrawButton, "", b.x, b.y, b.width, b.height });
    }
    return buttons;
}

} // namespace

BEGIN_MESSAGE_MAP(CMainDlg)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_TIMER()
ON_BN_CLICKED(IDC_PLAY_PAUSE, OnPlayPause)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_BN_CLICKED(IDC_SCROLL_DOWN, OnScrollDown)
ON_BN_CLICKED(IDC_SCROLL_UP, OnScrollUp)
ON_BN_CLICKED(IDC_SCROLL_RIGHT, OnScrollRight)
ON_BN_CLICKED(IDC_SCROLL_LEFT, OnScrollLeft)
ON_WM_KILLFOCUS()
ON_BN_CLICKED(IDC_ZOOM_IN, OnZoomIn)
ON_BN_CLICKED(IDC_ZOOM_OUT, OnZoomOut)
ON_BN_CLICKED(IDC_TEACH_CORRECTION, OnTeachCorrection)
ON_NOTIFY(NM_RELEASEDCAPTURE, IDC_SLIDER_POSITION, OnSliderReleasedCapture)
ON_NOTIFY(NM_CUSTOMDRAW, IDC_SLIDER_POSITION, OnSliderCustomDraw)
ON_BN_CLICKED(IDC_SLIDER_MODE, OnSliderMode)
ON_WM_HELPINFO()
END_MESSAGE_MAP()

CMainDlg::CMainDlg(CWnd *parent)
    : CDialog(mainDialogTemplate(runButtons()), parent)
    , m_hIcon(loadResourceIcon(IDR_MAINFRAME, 32))
{
}

CMainDlg::~CMainDlg() = default;

void CMainDlg::DoDataExchange(CDataExchange *dx)
{
    DDX_Control(dx, IDC_EDIT_TIME, m_controls.editTime);
    DDX_Control(dx, IDC_SLIDER_POSITION, m_controls.slider);
    DDX_Control(dx, IDC_SLIDER_ROW, m_controls.sliderRow);
    DDX_Control(dx, IDC_EDIT_ZOOM, m_controls.editZoom);
    DDX_Control(dx, IDC_EDIT_Y, m_controls.editY);
    DDX_Control(dx, IDC_EDIT_X, m_controls.editX);
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_initialised = false;
    m_playback.endRun();

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
        WindowTools::appendTeachingItems(*systemMenu);
        addWindowScaleMenu(*systemMenu);
    }
    // The icon (WM_SETICON) was set on the window when its widgets were built.

    WINDOWPLACEMENT placement;
    if (CWnd *canvas = GetDlgItem(IDC_CANVAS); canvas && canvas->GetWindowPlacement(&placement))
        m_controls.canvasRect = placement.rcNormalPosition;

    std::vector<WindowControls::Faces> faces;
    for (const DiagramDescriptor &d : diagramRegistry())
        faces.push_back({ d.runButton.controlId, d.runButton.idleFace, d.runButton.activeFace });
    if (!m_controls.attachButtons(faces))
        return FALSE;
    createDrawingObjects(m_gdi, GetDlgItem(IDC_CANVAS));
    m_controls.setZoomText(tx("PathView", "等倍"));
    addToolTips();

    m_controls.slider.SetRange(1, 100, TRUE);
    m_controls.slider.SetPageSize(5);
    m_controls.slider.SetPos(1);

    m_diagrams.clear();
    for (const DiagramDescriptor &d : diagramRegistry())
        m_diagrams.push_back({ d,
            d.create(DiagramContext { m_playback, m_gdi, m_controls, d.runButton.controlId }) });
    m_initialised = true;
    m_tools.offer();
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
    if (msg.message == WM_KEYDOWN)
        return keyDown(msg.id, msg.flags);
    if (msg.message == WM_COMMAND && msg.code == BN_CLICKED)
        for (Slot &slot : m_diagrams)
            if (slot.descriptor.runButton.controlId == msg.id) {
                runOrStop(slot);
                return true;
            }
    return CDialog::OnMessage(msg);
}

bool CMainDlg::mayClose()
{
    return !m_initialised
        || std::ranges::all_of(m_diagrams, [](const Slot &s) { return s.diagram->mayClose(); });
}

void CMainDlg::OnCancel()
{
    if (mayClose())
        CDialog::OnCancel();
}

BOOL CMainDlg::DestroyWindow()
{
    m_export.reset(); // an unfinished export stops and leaves no file
    if (m_initialised) {
        // Ticks run on this thread and a stopped clock delivers nothing more: all can go now.
        m_playback.endRun();
        for (UINT id = 1; id <= 3; ++id)
            KillTimer(id);
        m_diagrams.clear();
        releaseDrawingObjects(m_gdi);
        m_initialised = false;
    }
    return CDialog::DestroyWindow();
}

Diagram &CMainDlg::diagram(std::string_view name)
{
    const auto found = std::ranges::find_if(
        m_diagrams, [name](const Slot &s) { return s.descriptor.name == name; });
    return *found->diagram;
}

const CMainDlg::Slot *CMainDlg::runningSlot() const
{
    const auto found
        = std::ranges::find_if(m_diagrams, [](const Slot &s) { return s.diagram->running(); });
    return found == m_diagrams.end() ? nullptr : &*found;
}

Diagram *CMainDlg::runningDiagram() const
{
    const Slot *running = runningSlot();
    return running ? running->diagram.get() : nullptr;
}

void CMainDlg::runOrStop(Slot &slot, const std::string &setupToLoad)
{
    Diagram &d = *slot.diagram;
    const Diagram *running = runningDiagram();
    // A setup accepted for one diagram is no longer offered again by the others.
    if (d.runOrStop(running && running != &d, setupToLoad))
        for (const Slot &other : m_diagrams)
            if (other.diagram.get() != &d)
                other.diagram->forgetSetup();
    m_tools.offer();
}

void CMainDlg::OnPlayPause() { m_playback.pressPlay(runningDiagram()); }

void CMainDlg::OnTimer(UINT id)
{
    if (Diagram *d = runningDiagram())
        d->onTimer(id);
    Default();
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
        if (!m_initialised)
            break;
        m_tools.teachingCommand(id & 0xFFF0);
        if (const auto tenths = windowScaleOfCommand(id & 0xFFF0); tenths && GetSystemMenu(FALSE)) {
            const Slot *running = runningSlot();
            // The new process is already up: this window closes as its close box closes it.
            if (chooseWindowScale(*GetSystemMenu(FALSE), *tenths,
                    running ? running->diagram.get() : nullptr,
                    running ? running->descriptor.setupExtension : std::string_view(),
                    [this] { return mayClose(); }))
                CDialog::OnCancel();
        }
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
    const Slot *running = runningSlot();
    if (auto job = startAnimationExport(running ? running->diagram.get() : nullptr,
            running ? running->descriptor.setupExtension : std::string_view(), widget()))
        m_export = std::move(job);
}

void CMainDlg::OpenSetupFile(const std::string &path)
{
    const DiagramDescriptor *kind = diagramForSetupName(path);
    for (Slot &slot : m_diagrams)
        if (m_initialised && kind && slot.descriptor.name == kind->name)
            runOrStop(slot, path);
}

StartResult CMainDlg::StartRun(std::string_view name, const RunRequest &run)
{
    for (Slot &slot : m_diagrams)
        if (m_initialised && slot.descriptor.name == name && !runningDiagram()) {
            StartResult started = slot.diagram->start(run);
            m_tools.offer();
            return started;
        }
    return StartResult { "the diagram could not start", {} };
}

void CMainDlg::OnMouseMove(UINT, POINT point)
{
    m_tools.mouseMoved(point);
    Default();
}

void CMainDlg::OnLButtonDown(UINT flags, POINT point)
{
    m_tools.clicked(point, flags);
    Default();
}

void CMainDlg::OnRButtonDown(UINT, POINT point)
{
    m_tools.rightClicked(point);
    Default();
}

// F11, the presenter's keys (without Ctrl), then the teaching keys; false leaves the key to the
// control with the focus or to the dialog (Esc closes, F1 helps).
bool CMainDlg::keyDown(int key, UINT flags)
{
    if (key == VK_F11 && flags == 0) {
        toggleFullScreenPicture(qobject_cast<CanvasWidget *>(controlWidget(IDC_CANVAS)));
        return true;
    }
    if (!(flags & MK_CONTROL) && presenterKey(key, runningDiagram(), m_playback, m_tools))
        return true;
    return m_tools.keyDown(key, flags);
}

void CMainDlg::OnZoomIn() { m_tools.zoom(-1); }

void CMainDlg::OnZoomOut() { m_tools.zoom(+1); }

void CMainDlg::OnScrollDown() { m_tools.scroll(ScrollDirection::Down); }

void CMainDlg::OnScrollUp() { m_tools.scroll(ScrollDirection::Up); }

void CMainDlg::OnScrollRight() { m_tools.scroll(ScrollDirection::Right); }

void CMainDlg::OnScrollLeft() { m_tools.scroll(ScrollDirection::Left); }

void CMainDlg::OnTeachCorrection() { m_tools.teachCorrection(); }

void CMainDlg::OnSliderMode() { m_tools.sliderMode(); }

void CMainDlg::OnSliderReleasedCapture(LRESULT *result)
{
    m_tools.sliderMoved();
    *result = 0;
}

void CMainDlg::OnSliderCustomDraw(LRESULT *result)
{
    m_tools.sliderMoved();
    *result = 0;
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
