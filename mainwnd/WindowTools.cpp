#include "mainwnd/WindowTools.h"

#include "data/Translate.h"
#include "mainwnd/PictureSize.h"
#include "mainwnd/WindowControls.h"
#include "platform/CDialog.h"
#include "platform/Platform.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

void WindowTools::offer()
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

DiagramCapabilities WindowTools::offered() const
{
    Diagram *running = m_running();
    return running ? running->capabilities() : DiagramCapabilities {};
}

void WindowTools::mouseMoved(POINT point)
{
    const RECT &r = m_controls.canvasRect;
    // Exactly the pixels the view shows: its first row counts, the row below it does not.
    m_mouseInPicture = r.left <= point.x && point.x < r.left + kPictureWidth && r.top <= point.y
        && point.y < r.top + kPictureHeight;
    if (PointerInput *pointer = offered().pointer)
        pointer->mouseMoved(point, m_mouseInPicture);
}

void WindowTools::clicked(POINT point, UINT flags)
{
    if (!m_mouseInPicture)
        return;
    const DiagramCapabilities tools = offered();
    if ((flags & MK_CONTROL) && tools.teaching && tools.teaching->insertPoint(point))
        return;
    if (tools.pointer)
        tools.pointer->clicked(point);
}

void WindowTools::rightClicked(POINT point)
{
    if (TeachingTools *teaching = offered().teaching; teaching && m_mouseInPicture)
        teaching->deletePoint(point);
}

bool WindowTools::keyDown(UINT key, UINT flags)
{
    TeachingTools *teaching = offered().teaching;
    if (!teaching)
        return false;
    const bool control = flags & MK_CONTROL, shift = flags & MK_SHIFT;
    if (key == VK_DELETE && !control)
        return teaching->deletePicked();
    if (key == 'Z' && control)
        return shift ? teaching->redoTeaching() : teaching->undoTeaching();
    if (key == 'Y' && control)
        return teaching->redoTeaching();
    if (key == VK_F2 && !control)
        return teaching->typePoint();
    return false;
}

void WindowTools::appendTeachingItems(CMenu &menu)
{
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(
        MF_STRING, IDM_TYPE_POINT, tx("MainWindow", "教示ポイントの座標を入力...") + "\tF2");
    menu.AppendMenu(MF_STRING, IDM_SAVE_POINTS, tx("MainWindow", "教示ポイントを保存..."));
    menu.AppendMenu(MF_STRING, IDM_OPEN_POINTS, tx("MainWindow", "教示ポイントを開く..."));
    menu.AppendMenu(
        MF_STRING, IDM_WRITE_ROUTE, tx("MainWindow", "経路ファイルを書き出す（再生しない）"));
}

void WindowTools::teachingCommand(UINT id)
{
    const DiagramCapabilities tools = offered();
    bool taken = false;
    if (id == IDM_TYPE_POINT)
        taken = tools.teaching && tools.teaching->typePoint();
    else if (id == IDM_SAVE_POINTS)
        taken = tools.teachingFiles && tools.teachingFiles->savePoints();
    else if (id == IDM_OPEN_POINTS)
        taken = tools.teachingFiles && tools.teachingFiles->openPoints();
    else if (id == IDM_WRITE_ROUTE)
        taken = tools.teachingFiles && tools.teachingFiles->writeRoute();
    else
        return;
    if (!taken)
        AfxMessageBox(tx("MainWindow",
            "教示中ではありません。経路図を「教示ポイントデータとする」で実行してください。"));
}

void WindowTools::zoom(int steps)
{
    if (MapNavigation *map = offered().map)
        map->zoom(steps);
}

void WindowTools::scroll(ScrollDirection direction)
{
    if (MapNavigation *map = offered().map)
        map->scroll(direction);
}

void WindowTools::teachCorrection()
{
    if (TeachingTools *teaching = offered().teaching)
        teaching->teachCorrection();
}

void WindowTools::sliderMode()
{
    if (PointSlider *slider = offered().slider)
        slider->sliderMode();
}

void WindowTools::sliderMoved()
{
    if (PointSlider *slider = offered().slider)
        slider->sliderMoved();
}
