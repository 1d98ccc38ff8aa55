#pragma once

// `tracelet render SETUP -o OUT.png|OUT.gif`: runs the diagram of a setup file in the real main
// window on a manual clock, started from the setup file as values (no dialog), and writes what the
// picture area shows.
// args[0] is the subcommand. Returns 0 done, 1 the input could not be rendered, 2 bad usage.
// A QApplication is created only when the process has none yet.

#include <ostream>
#include <string>
#include <vector>

int renderCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);
