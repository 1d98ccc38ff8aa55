#pragma once

// Control ids of every dialog template. Dialogs reuse numbers, so a value may carry several names;
// each name belongs to the dialog in its comment.

enum ControlId : int {
    // Main window.
    IDC_PATH_RUN = 1000,
    IDC_CANVAS = 1002,
    IDC_CORR_RUN = 1005,
    IDC_SLIDER_MODE = 1007,
    IDC_PLAY_PAUSE = 1008,
    IDC_EDIT_X = 1016,
    IDC_EDIT_Y = 1017,
    IDC_SCROLL_UP = 1020,
    IDC_SCROLL_DOWN = 1021,
    IDC_SCROLL_RIGHT = 1022,
    IDC_SCROLL_LEFT = 1023,
    IDC_ZOOM_IN = 1024,
    IDC_ZOOM_OUT = 1025,
    IDC_EDIT_ZOOM = 1026,
    IDC_TEACH_CORRECTION = 1029,
    IDC_SLIDER_POSITION = 1043,
    IDC_EDIT_TIME = 1044,
    IDC_SLIDER_ROW = 1045, // the file line of the point the slider marks

    // Confirmation dialog.
    IDC_CONFIRM_TEXT = 1034,

    // Correlation setup.
    IDC_CORR_BROWSE_DATA = 1000,
    IDC_CORR_LOAD_SETUP = 1005,
    IDC_CORR_DATA_FILE = 1006,
    IDC_CORR_SAVE_SETUP = 1007,
    IDC_CORR_SETUP_FILE = 1010,
    IDC_CORR_DATA2_CHECK = 1032,
    IDC_CORR_X_COLUMN = 1034,
    IDC_CORR_Y_COLUMN = 1035,
    IDC_CORR_DATA2_X_COLUMN = 1036,
    IDC_CORR_DATA2_Y_COLUMN = 1037,
    IDC_CORR_PLOT_SPEED_CHECK = 1038,
    IDC_CORR_PLOT_SPEED = 1039,
    IDC_CORR_START_ROW = 1040,
    IDC_CORR_AUTO_SCALE = 1041,
    IDC_CORR_X_TOP = 1042,
    IDC_CORR_X_BOTTOM = 1043,
    IDC_CORR_Y_TOP = 1044,
    IDC_CORR_Y_BOTTOM = 1045,
    IDC_CORR_FIT_FRAME = 1046,
    IDC_CORR_AXIS_TITLES = 1047,

    // Path setup.
    IDC_PATH_BROWSE_BACKGROUND = 1000,
    IDC_PATH_BACKGROUND_FILE = 1003,
    IDC_PATH_CHARACTER_FILE = 1004,
    IDC_PATH_BROWSE_CHARACTER = 1005,
    IDC_PATH_DATA_FILE = 1006,
    IDC_PATH_BROWSE_DATA = 1007,
    IDC_PATH_CHARACTER2_FILE = 1008,
    IDC_PATH_BROWSE_CHARACTER2 = 1009,
    IDC_PATH_SETUP_FILE = 1010,
    IDC_PATH_LOAD_SETUP = 1011,
    IDC_PATH_SAVE_SETUP = 1012,
    IDC_PATH_MOVE_TIME = 1013,
    IDC_PATH_DIVISIONS = 1014,
    IDC_PATH_TEACHING = 1015,
    IDC_PATH_ORIGIN_X = 1018,
    IDC_PATH_ORIGIN_Y = 1019,
    IDC_PATH_LINEAR = 1027,
    IDC_PATH_CURVE = 1028,
    IDC_PATH_UTF8_HEADING = 1030,
    IDC_PATH_MAP_SCALE = 1031, // the map's scale, set with its origin

    // Time column, in both setup dialogs: the column, its unit, the play speeds from slowest.
    IDC_TIME_COLUMN = 1060,
    IDC_TIME_SECONDS = 1061,
    IDC_TIME_MILLISECONDS = 1062,
    IDC_TIME_CLOCK = 1063,
    IDC_PLAY_SPEED_FIRST = 1064, // six in a row: ¼×, ½×, 1×, 2×, 5×, 10×

    // Background origin.
    IDC_ORIGIN_X = 1018,
    IDC_ORIGIN_Y = 1019,
    IDC_MAP_SCALE = 1031,
    IDC_MAP_CALIBRATE = 1032,

    // Map scale by two clicks.
    IDC_CALIBRATION_PICTURE = 1033,
    IDC_CALIBRATION_CLICKS = 1034,
    IDC_CALIBRATION_DISTANCE = 1035,

    // Teaching point typed in.
    IDC_POINT_X = 1016,
    IDC_POINT_Y = 1017,
};
