#pragma once

// The window's size for a room: 1×, 1.5×, 2× or 3×, chosen in the window menu and remembered
// for the next start, when the whole window is drawn at that scale (at 2× and 3× every pixel of
// the picture a whole block).

#include "platform/WinTypes.h"

#include <optional>
#include <string_view>

class CMenu;

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
// A scale item of that menu: remembers it, moves the check and says that the next start shows
// the window at that scale. False for other commands.
bool windowScaleCommand(CMenu &menu, UINT id);
