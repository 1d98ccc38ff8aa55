#include "res/DialogTemplates.h"

#include "data/Translate.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

using K = ControlKind;

DialogTemplate shown(DialogTemplate source)
{
    DialogTemplate t = source;
    t.caption = tx("Dialogs", source.caption.c_str());
    for (ControlTemplate &c : t.controls)
        if (c.kind != K::Picture && c.kind != K::Icon && !c.text.empty())
            c.text = tx("Dialogs", c.text.c_str());
    return t;
}

namespace {

// The time column's two rows at y, left-aligned: the column and how its times are written, then
// how fast they play.
DialogTemplate withTimeColumnRows(DialogTemplate t, int y)
{
    const std::vector<ControlTemplate> rows {
        { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "時刻列"), 7, y + 2, 30, 9 },
        { IDC_TIME_COLUMN, K::Edit, "", 40, y, 25, 12 },
        { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "列目"), 68, y + 2, 20, 9 },
        { IDC_TIME_SECONDS, K::RadioButton, TX_NOOP("Dialogs", "秒"), 92, y + 1, 24, 10, CS_GROUP },
        { IDC_TIME_MILLISECONDS, K::RadioButton, TX_NOOP("Dialogs", "ミリ秒"), 118, y + 1, 34, 10 },
        { IDC_TIME_CLOCK, K::RadioButton, TX_NOOP("Dialogs", "時刻"), 154, y + 1, 30, 10 },
        { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "再生速度"), 7, y + 17, 32, 9 },
        { IDC_PLAY_SPEED_FIRST, K::RadioButton, TX_NOOP("Dialogs", "¼×"), 40, y + 16, 24, 10,
            CS_GROUP },
        { IDC_PLAY_SPEED_FIRST + 1, K::RadioButton, TX_NOOP("Dialogs", "½×"), 66, y + 16, 24, 10 },
        { IDC_PLAY_SPEED_FIRST + 2, K::RadioButton, TX_NOOP("Dialogs", "1×"), 92, y + 16, 24, 10 },
        { IDC_PLAY_SPEED_FIRST + 3, K::RadioButton, TX_NOOP("Dialogs", "2×"), 118, y + 16, 24, 10 },
        { IDC_PLAY_SPEED_FIRST + 4, K::RadioButton, TX_NOOP("Dialogs", "5×"), 144, y + 16, 24, 10 },
        { IDC_PLAY_SPEED_FIRST + 5, K::RadioButton, TX_NOOP("Dialogs", "10×"), 170, y + 16, 28,
            10 },
    };
    t.controls.insert(t.controls.end(), rows.begin(), rows.end());
    return t;
}

} // namespace

DialogTemplate mainDialogTemplate(const std::vector<ControlTemplate> &runButtons)
{
    static const DialogTemplate t {
        IDD_TRACELET_DIALOG,
        "Tracelet",
        363,
        261,
        "ＭＳ Ｐゴシック",
        9,
        true,
        {
            { 1, K::DefPushButton, "OK", 252, 0, 50, 14, CS_HIDDEN },
            { 2, K::PushButton, TX_NOOP("Dialogs", "ｷｬﾝｾﾙ"), 307, 241, 50, 14 },
            { IDC_CANVAS, K::Picture, "129", 3, 2, 300, 233 },
            { IDC_PLAY_PAUSE, K::OwnerDrawButton, "", 75, 243, 32, 14 },
            { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "時間"), 130, 243, 18, 12, CS_CENTER },
            { IDC_EDIT_TIME, K::Edit, "", 148, 243, 33, 12, CS_READONLY | CS_RIGHT },
            { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "X値"), 202, 243, 11, 11 },
            { IDC_EDIT_X, K::Edit, "", 216, 243, 33, 12, CS_READONLY | CS_RIGHT | CS_NOTABSTOP },
            { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "Y値"), 255, 243, 12, 11 },
            { IDC_EDIT_Y, K::Edit, "", 268, 243, 33, 12, CS_READONLY | CS_RIGHT | CS_NOTABSTOP },
            { IDC_STATIC, K::GroupBox, TX_NOOP("Dialogs", "相関図ﾂｰﾙ"), 306, 7, 54, 59 },
            { IDC_SLIDER_MODE, K::OwnerDrawButton, "", 309, 21, 43, 12 },
            { IDC_SLIDER_POSITION, K::Trackbar, "", 309, 42, 48, 16 },
            { IDC_SLIDER_ROW, K::Static, "", 306, 66, 54, 9, CS_CENTER },
            { IDC_STATIC, K::GroupBox, TX_NOOP("Dialogs", "経路図ﾂｰﾙ"), 306, 75, 54, 156 },
            { IDC_TEACH_CORRECTION, K::OwnerDrawButton, "", 309, 90, 42, 12, CS_NOTABSTOP },
            { IDC_ZOOM_IN, K::PushButton, "In", 310, 113, 21, 14 },
            { IDC_ZOOM_OUT, K::PushButton, "Out", 334, 113, 21, 14 },
            { IDC_EDIT_ZOOM, K::Edit, "", 310, 130, 45, 12, CS_READONLY | CS_CENTER },
            { IDC_SCROLL_UP, K::PushButton, "↑", 325, 151, 14, 16 },
            { IDC_SCROLL_LEFT, K::PushButton, "←", 309, 169, 15, 15 },
            { IDC_SCROLL_RIGHT, K::PushButton, "→", 341, 169, 15, 15 },
            { IDC_SCROLL_DOWN, K::PushButton, "↓", 325, 186, 14, 15 },
        },
    };
    // The diagrams' run buttons follow the picture, in the order of the diagrams.
    DialogTemplate withButtons = t;
    withButtons.controls.insert(
        withButtons.controls.begin() + 3, runButtons.begin(), runButtons.end());
    return shown(withButtons);
}

DialogTemplate aboutDialogTemplate()
{
    static const DialogTemplate t {
        IDD_ABOUTBOX,
        TX_NOOP("Dialogs", "Traceletのﾊﾞｰｼﾞｮﾝ情報"),
        235,
        55,
        "ＭＳ Ｐゴシック",
        9,
        false,
        {
            { IDC_STATIC, K::Icon, "128", 11, 17, 20, 20 },
            { IDC_STATIC, K::Static, "Tracelet Version 1.0", 40, 10, 119, 10 },
            { IDC_STATIC, K::Static, "Copyright (C) Tracelet developers", 40, 25, 119, 10 },
            { 1, K::DefPushButton, "OK", 178, 7, 50, 14 },
        },
    };
    return shown(t);
}

DialogTemplate confirmDialogTemplate()
{
    static const DialogTemplate t {
        IDD_CONFIRM,
        TX_NOOP("Dialogs", "OK　or　キャンセル"),
        187,
        93,
        "ＭＳ Ｐゴシック",
        9,
        false,
        {
            { IDC_CONFIRM_TEXT, K::Edit, "", 7, 7, 173, 54,
                CS_MULTILINE | CS_READONLY | CS_NOBORDER },
            { 1, K::DefPushButton, "OK", 72, 72, 50, 14 },
            { 2, K::PushButton, TX_NOOP("Dialogs", "ｷｬﾝｾﾙ"), 130, 72, 50, 14 },
        },
    };
    return shown(t);
}

DialogTemplate corrSetupDialogTemplate()
{
    static const DialogTemplate t = withTimeColumnRows(
        {
            IDD_CORR_SETUP,
            TX_NOOP("Dialogs", "相関図セットアップ"),
            291,
            261,
            "ＭＳ Ｐゴシック",
            9,
            false,
            {
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "データファイル"), 7, 7, 50, 9 },
                { IDC_CORR_DATA_FILE, K::Edit, "", 7, 18, 259, 12, CS_READONLY },
                { IDC_CORR_BROWSE_DATA, K::PushButton, "...", 267, 18, 17, 11 },
                { IDC_STATIC, K::GroupBox, TX_NOOP("Dialogs", "データ指定"), 7, 43, 165, 107 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "データ １ (X軸)"), 18, 61, 48, 9 },
                { IDC_CORR_X_COLUMN, K::Edit, "", 77, 58, 29, 12 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "列目をﾃﾞｰﾀとする。"), 110, 61, 58, 9 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "データ １ (Y軸)"), 18, 78, 48, 9 },
                { IDC_CORR_Y_COLUMN, K::Edit, "", 77, 74, 29, 12 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "列目をﾃﾞｰﾀとする。"), 110, 77, 58, 9 },
                { IDC_CORR_DATA2_CHECK, K::CheckBox, TX_NOOP("Dialogs", "データ ２ (X軸)"), 17, 94,
                    58, 11, CS_DISABLED },
                { IDC_CORR_DATA2_X_COLUMN, K::Edit, "", 77, 92, 29, 12, CS_DISABLED },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "列目をﾃﾞｰﾀとする。"), 110, 95, 58, 9,
                    CS_DISABLED },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "データ ２ (Y軸)"), 28, 111, 46, 9,
                    CS_DISABLED },
                { IDC_CORR_DATA2_Y_COLUMN, K::Edit, "", 77, 107, 29, 12, CS_DISABLED },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "列目をﾃﾞｰﾀとする。"), 110, 110, 58, 9,
                    CS_DISABLED },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "データ 開始行"), 18, 131, 48, 9 },
                { IDC_CORR_START_ROW, K::Edit, "", 77, 128, 29, 12 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "行目をﾃﾞｰﾀとする。"), 110, 131, 58,
                    9 },
                { IDC_CORR_PLOT_SPEED_CHECK, K::CheckBox,
                    TX_NOOP("Dialogs", "プロット速度を設定する。"), 7, 158, 81, 11 },
                { IDC_CORR_PLOT_SPEED, K::Edit, "", 92, 157, 33, 12 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "(msec 50～　)"), 128, 159, 50, 9 },
                { IDC_STATIC, K::GroupBox, TX_NOOP("Dialogs", "枠スケール設定"), 175, 43, 109,
                    107 },
                { IDC_CORR_AUTO_SCALE, K::CheckBox, TX_NOOP("Dialogs", "オートスケールとする。"),
                    183, 59, 84, 11 },
                { IDC_STATIC, K::Static, "top", 207, 80, 29, 9, CS_CENTER },
                { IDC_STATIC, K::Static, "bottom", 243, 80, 29, 9, CS_CENTER },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "X軸："), 183, 93, 22, 9 },
                { IDC_CORR_X_TOP, K::Edit, "", 207, 91, 29, 12 },
                { IDC_CORR_X_BOTTOM, K::Edit, "", 243, 91, 29, 12 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "Y軸："), 183, 109, 22, 9 },
                { IDC_CORR_Y_TOP, K::Edit, "", 207, 107, 29, 12 },
                { IDC_CORR_Y_BOTTOM, K::Edit, "", 243, 107, 29, 12 },
                { IDC_CORR_FIT_FRAME, K::CheckBox, TX_NOOP("Dialogs", "データに合わせた枠とする。"),
                    183, 128, 96, 11 },
                { IDC_CORR_AXIS_TITLES, K::CheckBox, TX_NOOP("Dialogs", "見出しを軸の名前とする。"),
                    183, 158, 101, 11 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "セットアップファイル"), 7, 211, 73,
                    10 },
                { IDC_CORR_SETUP_FILE, K::Edit, "", 7, 221, 259, 12, CS_READONLY },
                { IDC_CORR_LOAD_SETUP, K::PushButton, "...", 267, 221, 17, 11 },
                { IDC_CORR_SAVE_SETUP, K::PushButton, TX_NOOP("Dialogs", "ｾｯﾄｱｯﾌﾟ保存"), 7, 240, 50,
                    14 },
                { 1, K::DefPushButton, "OK", 182, 240, 50, 14 },
                { 2, K::PushButton, TX_NOOP("Dialogs", "ｷｬﾝｾﾙ"), 234, 240, 50, 14 },
            },
        },
        176);
    return shown(t);
}

DialogTemplate pathSetupDialogTemplate()
{
    static const DialogTemplate t = withTimeColumnRows(
        {
            IDD_PATH_SETUP,
            TX_NOOP("Dialogs", "経路図セットアップ"),
            245,
            301,
            "ＭＳ Ｐゴシック",
            9,
            false,
            {
                { 1, K::DefPushButton, "OK", 77, 280, 50, 14 },
                { 2, K::PushButton, TX_NOOP("Dialogs", "ｷｬﾝｾﾙ"), 188, 280, 50, 14 },
                { IDC_PATH_BACKGROUND_FILE, K::Edit, "", 7, 20, 213, 12, CS_READONLY },
                { IDC_PATH_BROWSE_BACKGROUND, K::PushButton, "...", 220, 20, 17, 11 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "バックグランウンド画面"), 7, 7, 70,
                    9 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "キャラクタ"), 7, 67, 74, 9 },
                { IDC_PATH_CHARACTER_FILE, K::Edit, "", 7, 77, 213, 12, CS_READONLY },
                { IDC_PATH_BROWSE_CHARACTER, K::PushButton, "...", 220, 77, 17, 11 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "データファイル"), 7, 113, 50, 10 },
                { IDC_PATH_DATA_FILE, K::Edit, "", 7, 123, 213, 12, CS_READONLY },
                { IDC_PATH_BROWSE_DATA, K::PushButton, "...", 220, 123, 17, 11 },
                { IDC_PATH_CHARACTER2_FILE, K::Edit, "", 7, 93, 213, 12, CS_READONLY },
                { IDC_PATH_BROWSE_CHARACTER2, K::PushButton, "...", 220, 94, 17, 11 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "セットアップファイル"), 7, 246, 73,
                    10 },
                { IDC_PATH_SETUP_FILE, K::Edit, "", 7, 256, 213, 12, CS_READONLY },
                { IDC_PATH_LOAD_SETUP, K::PushButton, "...", 220, 256, 17, 11 },
                { IDC_PATH_SAVE_SETUP, K::PushButton, TX_NOOP("Dialogs", "ｾｯﾄｱｯﾌﾟ保存"), 7, 280, 50,
                    14 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "バックグランウンド画面原点（左下）"),
                    7, 36, 104, 9 },
                { IDC_PATH_ORIGIN_X, K::Edit, "", 29, 45, 36, 12, CS_READONLY | CS_RIGHT },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "x ："), 17, 47, 10, 8 },
                { IDC_PATH_ORIGIN_Y, K::Edit, "", 83, 45, 36, 12, CS_READONLY | CS_RIGHT },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "y ："), 71, 46, 10, 8 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "縮尺 ："), 128, 47, 20, 8 },
                { IDC_PATH_MAP_SCALE, K::Edit, "", 150, 45, 50, 12, CS_READONLY | CS_RIGHT },
                { IDC_STATIC, K::GroupBox, TX_NOOP("Dialogs", "移動ポイント設定"), 7, 142, 231,
                    70 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "教示ポイント間の移動速度"), 14, 173,
                    79, 10 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "msec(1000～10000 )"), 140, 173, 64,
                    8 },
                { IDC_PATH_TEACHING, K::CheckBox, TX_NOOP("Dialogs", "教示ポイントデータとする"),
                    14, 156, 91, 11 },
                { IDC_PATH_MOVE_TIME, K::Edit, "", 99, 170, 37, 12, CS_RIGHT },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "教示ポイント間の分割数"), 14, 189, 73,
                    10 },
                { IDC_STATIC, K::Static, TX_NOOP("Dialogs", "(1～100)"), 140, 189, 56, 8 },
                { IDC_PATH_DIVISIONS, K::Edit, "", 99, 186, 37, 12, CS_RIGHT },
                { IDC_PATH_LINEAR, K::RadioButton, TX_NOOP("Dialogs", "直線補間"), 120, 155, 46,
                    10 },
                { IDC_PATH_CURVE, K::RadioButton, TX_NOOP("Dialogs", "曲線補間"), 170, 155, 46,
                    10 },
                { IDC_PATH_UTF8_HEADING, K::CheckBox,
                    TX_NOOP("Dialogs", "経路ファイルの見出しを UTF-8 で書く"), 14, 199, 150, 10 },
            },
        },
        214);
    return shown(t);
}
