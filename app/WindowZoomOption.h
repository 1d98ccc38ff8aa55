#pragma once

// `--zoom-window N` (1, 1.5, 2 or 3): the window's scale for this start, instead of the one
// remembered from the window menu.

#include <optional>
#include <string>
#include <vector>

// Takes the option out of args: the scale in tenths, nothing when it is not given; bad when it
// is given without one of the four scales.
std::optional<int> takeZoomWindow(std::vector<std::string> &args, bool &bad);

// Before the application object exists: draws the whole window at the scale asked for, else the
// remembered one, unless the environment already chose one (QT_SCALE_FACTOR). True when it put
// the scale into the environment, to be taken out again once the application has read it.
bool applyWindowScale(std::optional<int> asked);
