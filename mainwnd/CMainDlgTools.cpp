// The main window's tools beyond the run: the pointer over the picture, the map's zoom and
// scroll arrows, teaching's correction button and the point slider. Each goes to the running
// diagram when it offers that capability; the window greys what it does not offer.

#include "mainwnd/CMainDlg.h"
#include "mainwnd/PictureSize.h"
#include "res/ControlIds.h"

void CMainDlg::offerTools()
{
    const DiagramCapabilities tools = offered();
    m_controls.enable({ IDC_SLIDER_MODE, IDC_SLIDER_POSITION }, tools.slider != nullptr);
    m_controls.enable({ IDC_TEACH_CORRECTION }, tools.teaching != nullptr);
    m_controls.enable({ IDC_ZOOM_IN, IDC_ZOOM_OUT }, tools.map != nullptr);
    if (tools.map)
        tools.map->showScrollArrows();
    else
        m_controls.enableScrollArrows(false, false, false, false);
}

DiagramCapabilities CMainDlg::offered() const
{
    Diagram *running = runningDiagram();
    return running ? running->capabilities() : DiagramCapabilities {};
}

void CMainDlg::OnMouseMove(UINT, POINT point)
{
    const RECT &r = m_controls.canvasRect;
    // Exactly the pixels the view shows: its first row counts, the row below it does not.
    m_mouseInPicture = r.left <= point.x && point.x < r.left + kPictureWidth && r.top <= point.y
        && point.y < r.top + kPictureHeight;
    if (PointerInput *pointer = offered().pointer)
        pointer->mouseMoved(point, m_mouseInPicture);
    Default();
}

void CMainDlg::OnLButtonDown(UINT, POINT point)
{
    if (PointerInput *pointer = offered().pointer; pointer && m_mouseInPicture)
        pointer->clicked(point);
    Default();
}

void CMainDlg::zoom(int steps)
{
    if (MapNavigation *map = offered().map)
        map->zoom(steps);
}

void CMainDlg::scroll(ScrollDirection direction)
{
    if (MapNavigation *map = offered().map)
        map->scroll(direction);
}

void CMainDlg::OnZoomIn() { zoom(-1); }

void CMainDlg::OnZoomOut() { zoom(+1); }

void CMainDlg::OnScrollDown() { scroll(ScrollDirection::Down); }

void CMainDlg::OnScrollUp() { scroll(ScrollDirection::Up); }

void CMainDlg::OnScrollRight() { scroll(ScrollDirection::Right); }

void CMainDlg::OnScrollLeft() { scroll(ScrollDirection::Left); }

void CMainDlg::OnTeachCorrection()
{
    if (TeachingTools *teaching = offered().teaching)
        teaching->teachCorrection();
}

void CMainDlg::OnSliderMode()
{
    if (PointSlider *slider = offered().slider)
        slider->sliderMode();
}

void CMainDlg::OnSliderReleasedCapture(LRESULT *result)
{
    if (PointSlider *slider = offered().slider)
        slider->sliderMoved();
    *result = 0;
}

void CMainDlg::OnSliderCustomDraw(LRESULT *result)
{
    if (PointSlider *slider = offered().slider)
        slider->sliderMoved();
    *result = 0;
}
