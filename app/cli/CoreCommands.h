#pragma once

// The headless commands of the core: "stats" (frame and statistics of a data file, as JSON) and
// "route" (teaching points to a route file). args[0] is the subcommand. Returns the exit status:
// 0 done, 1 the input could not be used, 2 bad usage.

#include <ostream>
#include <string>
#include <vector>

int runCoreCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);
