#pragma once

// Resource ids: dialog templates, bitmaps, the icon and the string table.

enum ResourceId : int {
    IDD_ABOUTBOX = 100,
    IDD_TRACELET_DIALOG = 102,
    IDD_PATH_SETUP = 131,
    IDD_BACKGROUND_ORIGIN = 138,
    IDD_CORR_SETUP = 142,
    IDD_CONFIRM = 148,
    IDD_TEACH_POINT = 149,
    IDD_MAP_CALIBRATION = 150,

    IDR_MAINFRAME = 128, // the application icon
    IDS_ABOUTBOX = 101, // the system-menu item

    IDB_CANVAS = 129,
    IDB_PLAY_IDLE = 132,
    IDB_PLAY_ACTIVE = 133,
    IDB_OVERLAY = 134,
    IDB_PATH_ACTIVE = 135,
    IDB_PATH_IDLE = 136,
    IDB_PLOT = 137,
    IDB_TEACH_IDLE = 140,
    IDB_TEACH_ACTIVE = 141,
    IDB_CORR_IDLE = 143,
    IDB_CORR_ACTIVE = 144,
    IDB_PATCH = 145,
    IDB_SLIDER_IDLE = 146,
    IDB_SLIDER_ACTIVE = 147,
};

// System commands: the about box, saving the picture, exporting the animation.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;
inline constexpr unsigned IDM_SAVE_PICTURE = 0x0020;
inline constexpr unsigned IDM_EXPORT_ANIMATION = 0x0030;
inline constexpr unsigned IDM_TYPE_POINT = 0x0040;
inline constexpr unsigned IDM_SAVE_POINTS = 0x0050;
inline constexpr unsigned IDM_OPEN_POINTS = 0x0060;
inline constexpr unsigned IDM_WRITE_ROUTE = 0x0070;
// The window scales, one command each from here on, 0x10 apart.
inline constexpr unsigned IDM_WINDOW_SCALE_FIRST = 0x0100;
