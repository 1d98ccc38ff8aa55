#include "path/ui/CBackgroundOriginDlg.h"

#include "data/NumberText.h"
#include "path/core/MapScale.h"
#include "path/ui/BackgroundFile.h"
#include "path/ui/CMapCalibrationDlg.h"
#include "platform/Platform.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"

namespace {

// The leading number of the entry, as a 20-byte buffer holds it; an empty entry is 0.0.
double originValue(const CEdit &edit)
{
    char buffer[20];
    edit.GetWindowText(buffer, static_cast<int>(sizeof buffer));
    return parseDouble(buffer);
}

} // namespace

BEGIN_MESSAGE_MAP(CBackgroundOriginDlg)
ON_BN_CLICKED(IDC_MAP_CALIBRATE, OnCalibrate)
END_MESSAGE_MAP()

CBackgroundOriginDlg::CBackgroundOriginDlg(PathSetupValues &setup, CWnd *parent)
    : CDialog(backgroundOriginDialogTemplate(), parent)
    , m_setup(setup)
{
}

void CBackgroundOriginDlg::DoDataExchange(CDataExchange *dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ORIGIN_X, m_editX);
    DDX_Control(dx, IDC_ORIGIN_Y, m_editY);
    DDX_Control(dx, IDC_MAP_SCALE, m_editScale);
}

BOOL CBackgroundOriginDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Always 0.0 and one unit a pixel: the origin and the scale belong to the background just
    // chosen, not to the previous one.
    m_editX.SetWindowText("0.0");
    m_editY.SetWindowText("0.0");
    m_editScale.SetWindowText("1");
    return TRUE;
}

void CBackgroundOriginDlg::OnCalibrate()
{
    CBitmap map;
    if (const std::string reason = loadBackgroundFile(m_setup.backgroundFilePath, map);
        !reason.empty()) {
        AfxMessageBox(reason + "\n" + m_setup.backgroundFilePath);
        return;
    }
    double scale = 1.0;
    CMapCalibrationDlg calibration(map, scale);
    if (calibration.DoModal() == IDOK)
        m_editScale.SetWindowText(formatMapScale(scale));
}

void CBackgroundOriginDlg::OnOK()
{
    const MapScaleResult scale = mapScaleFromEntry(m_editScale.GetWindowText());
    if (!scale.unitsPerPixel) {
        AfxMessageBox(scale.refusal);
        return;
    }
    m_setup.mapUnitsPerPixel = *scale.unitsPerPixel;
    m_setup.originX = originValue(m_editX);
    m_setup.originY = originValue(m_editY);
    CDialog::OnOK();
}
