#pragma once

// A diagram that exists only for the tests: a square that steps across the picture, one step a
// tick. It is registered as the program's diagrams are, so the window and the renderer must run
// it through their seam alone.

#include "mainwnd/DiagramRegistry.h"

inline constexpr std::string_view kToySetupMagic = "TRACELET_TOY_SETUP";
inline constexpr int kToyRunButton = 1900;

// Its setup file: the magic line, the number of steps, the milliseconds between them.
std::string toySetupText(int steps, int periodMs);

const DiagramDescriptor &toyDiagramDescriptor();
// Registers it once per process.
void registerToyDiagram();
