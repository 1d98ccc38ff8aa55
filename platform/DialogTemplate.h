#pragma once

// A dialog template as data: the platform builds real widgets from it, placing each control at
// its dialog-unit rectangle converted with fixed base units of 7 × 12 pixels.

#include <string>
#include <vector>

enum class ControlKind {
    PushButton,
    DefPushButton,
    Edit,
    Static,
    GroupBox,
    CheckBox,
    RadioButton,
    Trackbar,
    Picture, // a static bitmap: the control takes the bitmap's size
    Icon,
    OwnerDrawButton,
};

enum ControlStyle : unsigned {
    CS_NONE = 0,
    CS_READONLY = 1u << 0,
    CS_RIGHT = 1u << 1,
    CS_CENTER = 1u << 2,
    CS_MULTILINE = 1u << 3,
    CS_NOBORDER = 1u << 4,
    CS_HIDDEN = 1u << 5,
    CS_DISABLED = 1u << 6,
    CS_NOTABSTOP = 1u << 7,
    CS_SUNKEN = 1u << 8,
    CS_GROUP = 1u << 9, // starts a new group of radio buttons
};

inline constexpr int IDC_STATIC = -1;

struct ControlTemplate
{
    int id = IDC_STATIC;
    ControlKind kind = ControlKind::Static;
    std::string text; // caption; for Picture and Icon the resource id as text
    int x = 0, y = 0, width = 0, height = 0; // dialog units
    unsigned style = CS_NONE;
};

struct DialogTemplate
{
    int id = 0;
    std::string caption;
    int width = 0, height = 0; // dialog units
    std::string fontFace = "ＭＳ Ｐゴシック";
    int fontPoints = 9;
    bool minimizeBox = false;
    std::vector<ControlTemplate> controls;
};

// Dialog units to pixels with the fixed base units 7 × 12.
constexpr int dluToPixelsX(int x) { return x * 7 / 4; }
constexpr int dluToPixelsY(int y) { return y * 12 / 8; }
