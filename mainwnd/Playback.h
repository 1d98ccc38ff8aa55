#pragma once

// Where the animation stands: its clock, the point the next tick draws, and whether it plays.
// The window's play/pause changes it, and so do the diagram's run and tick.
struct Playback
{
    int periodMs = 350; // of the periodic tick while playing
    unsigned clockId = 0; // the periodic tick; 0 when none runs
    int index = 0; // the point the next tick draws
    int lastIndex = 0; // the last point there is; -1 after a read that found none
    bool ready = false; // there is something to play
    bool playing = false;
    bool held = false; // paused with the clock running: each tick redraws the current point
    bool atEnd = false; // the last point was drawn and the clock still runs
    // Ticks that nobody sees (a render between two captured frames) may leave the picture unshown.
    bool unseen = false;
};
