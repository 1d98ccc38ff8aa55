#pragma once

#include <ostream>
#include <string>
#include <vector>

// The headless commands: `tracelet stats`, `tracelet route`, `--help`, `--version`.
int runCommandLine(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);
