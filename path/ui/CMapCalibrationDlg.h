#pragma once

#include "path/core/MapScale.h"
#include "platform/CBitmap.h"
#include "platform/CDialog.h"
#include "platform/Controls.h"

#include <vector>

// Shows the map shrunk to fit, takes two clicks on it and the distance between them in data
// units; OK writes the scale they give. A third click starts a new pair.
class CMapCalibrationDlg : public CDialog
{
public:
    CMapCalibrationDlg(CBitmap &map, double &unitsPerPixel, CWnd *parent = nullptr);

    void DoDataExchange(CDataExchange *dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnLButtonDown(UINT flags, POINT point);

    DECLARE_MESSAGE_MAP()

private:
    void drawMapAndClicks();
    void showClicks();

    CBitmap &m_map;
    double &m_unitsPerPixel;
    CStatic m_picture;
    CStatic m_clicksText;
    CEdit m_editDistance;
    std::vector<MapClick> m_clicks; // in pixels of the map at full size
    double m_shown = 1.0; // picture pixels a map pixel takes: at most 1, the whole map fits
    RECT m_pictureRect {};
};
