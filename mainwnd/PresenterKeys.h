#pragma once

// Keys for a person presenting with a keyboard or a remote: Space or Page Down plays and pauses,
// Home plays from the first point, → and ← (or Page Up) step one point while paused, + and −
// zoom a map. They act on whatever diagram runs; with none running they are left to the control
// with the focus.

class Diagram;
class Playback;
class WindowTools;

// True when the key was taken.
bool presenterKey(int virtualKey, Diagram *running, Playback &playback, WindowTools &tools);
