// The dialogs of the map: its origin and scale, the scale by two clicks, a point typed in.

#include "data/Translate.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"
#include "res/ResourceIds.h"

using K = ControlKind;

DialogTemplate backgroundOriginDialogTemplate()
{
    static const DialogTemplate t {
        IDD_BACKGROUND_ORIGIN,
        TX_NOOP("Dialogs", "バックグラウンド画面セットアップ"),
        143,
        135,
        "ＭＳ Ｐゴシック",
        9,
        false,
        {
            { IDC_STATIC, K::Static,
                TX_NOOP("Dialogs", "バックグランウンド画面 左下位置設定(pixel)"), 7, 7, 131, 9 },
            { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "x ："), 7, 22, 10, 8 },
            { IDC_ORIGIN_X, K::Edit, "", 20, 21, 32, 10, CS_RIGHT },
            { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "y ："), 61, 21, 10, 8 },
            { IDC_ORIGIN_Y, K::Edit, "", 73, 21, 32, 10, CS_RIGHT },
            { IDC_STATIC, K::Static,
                TX_NOOP("Dialogs",
                    "選択した画面上の、左下の位置データを指定してください。例えば100×100pixelの画面"
                    "上の"
                    "中心点が(0,0)するならば、上記(x,y)には(-50,-50)と入力してください。"),
                7, 39, 131, 36, CS_SUNKEN },
            { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "縮尺 (データ単位/pixel)："), 7, 82, 88,
                8 },
            { IDC_MAP_SCALE, K::Edit, "", 96, 81, 42, 10, CS_RIGHT },
            { IDC_MAP_CALIBRATE, K::PushButton,
                TX_NOOP("Dialogs", "地図上の2点で縮尺を合わせる..."), 7, 96, 131, 14 },
            { 1, K::DefPushButton, "OK", 33, 117, 50, 14 },
            { 2, K::PushButton, TX_NOOP("Dialogs", "ｷｬﾝｾﾙ"), 87, 117, 50, 14 },
        },
    };
    return shown(t);
}

DialogTemplate mapCalibrationDialogTemplate()
{
    static const DialogTemplate t {
        IDD_MAP_CALIBRATION,
        TX_NOOP("Dialogs", "地図の縮尺合わせ"),
        314,
        292,
        "ＭＳ Ｐゴシック",
        9,
        false,
        {
            { IDC_CALIBRATION_PICTURE, K::Picture, "129", 7, 7, 300, 233 },
            { IDC_STATIC, K::Static,
                TX_NOOP("Dialogs",
                    "距離の分かる2点を地図上でクリックしてください。3回目のクリックで選び直します"
                    "。"),
                7, 245, 300, 9 },
            { IDC_CALIBRATION_CLICKS, K::Static, "", 7, 257, 300, 9 },
            { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "2点間の距離 (データ単位)："), 7, 273, 90,
                8 },
            { IDC_CALIBRATION_DISTANCE, K::Edit, "", 98, 272, 50, 10, CS_RIGHT },
            { 1, K::DefPushButton, "OK", 200, 270, 50, 14 },
            { 2, K::PushButton, TX_NOOP("Dialogs", "ｷｬﾝｾﾙ"), 257, 270, 50, 14 },
        },
    };
    return shown(t);
}

DialogTemplate teachPointDialogTemplate()
{
    static const DialogTemplate t {
        IDD_TEACH_POINT,
        TX_NOOP("Dialogs", "教示ポイントの座標入力"),
        150,
        62,
        "ＭＳ Ｐゴシック",
        9,
        false,
        {
            { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "教示ポイントの位置（X値・Y値と同じ単位）"),
                7, 7, 136, 9 },
            { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "x ："), 7, 23, 10, 8 },
            { IDC_POINT_X, K::Edit, "", 20, 21, 50, 12, CS_RIGHT },
            { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "y ："), 78, 23, 10, 8 },
            { IDC_POINT_Y, K::Edit, "", 91, 21, 50, 12, CS_RIGHT },
            { 1, K::DefPushButton, "OK", 37, 42, 50, 14 },
            { 2, K::PushButton, TX_NOOP("Dialogs", "ｷｬﾝｾﾙ"), 91, 42, 50, 14 },
        },
    };
    return shown(t);
}
