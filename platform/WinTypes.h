#pragma once

// The few Win32 types, messages and constants the windows code speaks in.

#include <cstdint>

using UINT = unsigned int;
using BOOL = int;
using DWORD = std::uint32_t;
using DWORD_PTR = std::uintptr_t;
using LRESULT = long;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

struct POINT
{
    int x = 0;
    int y = 0;
};

struct RECT
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct WINDOWPLACEMENT
{
    RECT rcNormalPosition;
};

// Messages a message map can name. Control notifications carry the control id.
enum : UINT {
    WM_PAINT = 0x000F,
    WM_KILLFOCUS = 0x0008,
    WM_QUERYDRAGICON = 0x0037,
    WM_HELP = 0x0053,
    WM_KEYDOWN = 0x0100, // MSG::id holds the virtual key
    WM_COMMAND = 0x0111,
    WM_SYSCOMMAND = 0x0112,
    WM_TIMER = 0x0113,
    WM_NOTIFY = 0x004E,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_RBUTTONDOWN = 0x0204,
};

// Mouse and key flags: the buttons held and the modifier keys down with a message.
enum : UINT {
    MK_LBUTTON = 0x0001,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
};

// Virtual keys a key message can carry; letters and digits are their upper-case ASCII codes.
enum : int {
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21, // Page Up
    VK_NEXT = 0x22, // Page Down
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_RIGHT = 0x27,
    VK_DELETE = 0x2E,
    VK_ADD = 0x6B,
    VK_SUBTRACT = 0x6D,
    VK_F1 = 0x70,
    VK_F2 = 0x71,
    VK_F11 = 0x7A,
};

// Notification codes, combined with WM_COMMAND or WM_NOTIFY and a control id in a map entry.
enum : int {
    BN_CLICKED = 0,
    NM_CUSTOMDRAW = -12,
    NM_RELEASEDCAPTURE = -16,
};

// A message as handlers see it.
struct MSG
{
    UINT message = 0;
    int code = 0; // notification code
    int id = 0; // control id, timer id, system command or virtual key
    POINT pt; // client coordinates of mouse messages
    UINT flags = 0; // mouse and modifier key flags (MK_…)
};

// File dialog flags (only recorded; the Qt dialogs follow their own conventions).
enum : DWORD {
    OFN_HIDEREADONLY = 0x00000004,
    OFN_OVERWRITEPROMPT = 0x00000002,
    OFN_FILEMUSTEXIST = 0x00001000,
    OFN_CREATEPROMPT = 0x00002000,
};

enum : UINT {
    TIME_ONESHOT = 0,
    TIME_PERIODIC = 1,
};

enum : UINT {
    MF_STRING = 0x0000,
    MF_SEPARATOR = 0x0800,
    MF_UNCHECKED = 0x0000,
    MF_CHECKED = 0x0008,
};
