#include "path/ui/CMapCalibrationDlg.h"

#include "data/NumberText.h"
#include "data/Translate.h"
#include "platform/CDC.h"
#include "platform/CPen.h"
#include "platform/Platform.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"

#include <algorithm>
#include <cmath>

BEGIN_MESSAGE_MAP(CMapCalibrationDlg)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

constexpr int kMarkReach = 5; // half the arms of the cross at a click

std::string clickText(const MapClick &click)
{
    return "(" + formatFixed(click.x, 0) + ", " + formatFixed(click.y, 0) + ")";
}

} // namespace

CMapCalibrationDlg::CMapCalibrationDlg(CBitmap &map, double &unitsPerPixel, CWnd *parent)
    : CDialog(mapCalibrationDialogTemplate(), parent)
    , m_map(map)
    , m_unitsPerPixel(unitsPerPixel)
{
}

void CMapCalibrationDlg::DoDataExchange(CDataExchange *dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CALIBRATION_PICTURE, m_picture);
    DDX_Control(dx, IDC_CALIBRATION_CLICKS, m_clicksText);
    DDX_Control(dx, IDC_CALIBRATION_DISTANCE, m_editDistance);
}

BOOL CMapCalibrationDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    WINDOWPLACEMENT placement;
    if (m_picture.GetWindowPlacement(&placement))
        m_pictureRect = placement.rcNormalPosition;
    BITMAP info {};
    m_map.GetBitmap(&info);
    if (info.bmWidth > 0 && info.bmHeight > 0)
        m_shown = std::min(
            { 1.0, static_cast<double>(m_pictureRect.right - m_pictureRect.left) / info.bmWidth,
                static_cast<double>(m_pictureRect.bottom - m_pictureRect.top) / info.bmHeight });
    drawMapAndClicks();
    showClicks();
    return TRUE;
}

void CMapCalibrationDlg::OnLButtonDown(UINT, POINT point)
{
    BITMAP info {};
    m_map.GetBitmap(&info);
    const MapClick click { (point.x - m_pictureRect.left) / m_shown,
        (point.y - m_pictureRect.top) / m_shown };
    if (click.x < 0 || click.y < 0 || click.x >= info.bmWidth || click.y >= info.bmHeight)
        return;
    if (m_clicks.size() == 2)
        m_clicks.clear();
    m_clicks.push_back(click);
    drawMapAndClicks();
    showClicks();
}

void CMapCalibrationDlg::OnOK()
{
    const MapScaleResult scale = mapScaleFromClicks(m_clicks, m_editDistance.GetWindowText());
    if (!scale.unitsPerPixel) {
        AfxMessageBox(scale.refusal);
        return;
    }
    m_unitsPerPixel = *scale.unitsPerPixel;
    CDialog::OnOK();
}

// The map shrunk to fit on white, a cross at each click and the line between the two.
void CMapCalibrationDlg::drawMapAndClicks()
{
    CDC *picture = m_picture.GetDC();
    if (!picture)
        return;
    BITMAP info {};
    m_map.GetBitmap(&info);
    RECT client {};
    m_picture.GetClientRect(&client);
    picture->FillSolidRect(QRect(0, 0, client.right, client.bottom), RGB(255, 255, 255));
    CDC source;
    source.CreateCompatibleDC(picture);
    CBitmap *before = source.SelectObject(&m_map);
    picture->StretchBlt(0, 0, static_cast<int>(info.bmWidth * m_shown),
        static_cast<int>(info.bmHeight * m_shown), &source, 0, 0, info.bmWidth, info.bmHeight,
        SRCCOPY);
    if (before)
        source.SelectObject(before);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen *previous = picture->SelectObject(&red);
    for (std::size_t k = 0; k < m_clicks.size(); ++k) {
        const int x = static_cast<int>(std::lround(m_clicks[k].x * m_shown));
        const int y = static_cast<int>(std::lround(m_clicks[k].y * m_shown));
        picture->MoveTo(x - kMarkReach, y);
        picture->LineTo(x + kMarkReach + 1, y);
        picture->MoveTo(x, y - kMarkReach);
        picture->LineTo(x, y + kMarkReach + 1);
        if (k == 1) {
            picture->MoveTo(static_cast<int>(std::lround(m_clicks[0].x * m_shown)),
                static_cast<int>(std::lround(m_clicks[0].y * m_shown)));
            picture->LineTo(x, y);
        }
    }
    picture->SelectObject(previous);
    m_picture.ReleaseDC(picture);
}

void CMapCalibrationDlg::showClicks()
{
    std::string text;
    if (m_clicks.empty())
        text = tx("MapScale", "クリックした点: まだありません");
    else if (m_clicks.size() == 1)
        text = fillIn(tx("MapScale", "1点目 %1 ピクセル"), { clickText(m_clicks[0]) });
    else
        text = fillIn(tx("MapScale", "1点目 %1、2点目 %2、間隔 %3 ピクセル"),
            { clickText(m_clicks[0]), clickText(m_clicks[1]),
                formatFixed(
                    std::hypot(m_clicks[1].x - m_clicks[0].x, m_clicks[1].y - m_clicks[0].y), 1) });
    m_clicksText.SetWindowText(text);
}
