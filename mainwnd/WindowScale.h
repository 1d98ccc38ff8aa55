#pragma once

// The window's size for a room: 1×, 1.5×, 2× or 3×, chosen in the window menu and remembered.
// The whole window is drawn at that scale (at 2× and 3× every pixel of the picture a whole
// block); Qt fixes it at start, so a new scale reopens the program.

#include "platform/WinTypes.h"

#include <functional>
#include <optional>
#include <string_view>

class CMenu;
class Diagram;

// The scales in tenths, as remembered.
inline constexpr int kWindowScales[] = { 10, 15, 20, 30 };

// The remembered scale in tenths (10 when none or an unknown one is remembered).
int rememberedWindowScale();
// "1", "1.5", "2" or "3": a scale in tenths from its text; nothing for any other text.
std::optional<int> windowScaleFromText(std::string_view text);
// The scale's text as the command line and the display scale take it.
const char *windowScaleText(int tenths);

// The scale items, the remembered one checked.
void addWindowScaleMenu(CMenu &menu);
// The scale of a scale item of that menu; nothing for other commands.
std::optional<int> windowScaleOfCommand(UINT id);
// The scale the window was started at; nothing when the environment chose it.
void setStartedWindowScale(std::optional<int> tenths);
// A scale chosen in the menu. Another scale than the one the window runs at is remembered and
// checked, and, once mayClose agrees, this program starts again at that scale with the running
// diagram's setup: true then, and the window closes. When that cannot be, it says that the next
// start shows the window at that scale.
bool chooseWindowScale(CMenu &menu, int tenths, const Diagram *running,
    std::string_view setupExtension, const std::function<bool()> &mayClose);
