#pragma once

#include <ostream>
#include <string>
#include <vector>

// tracelet stats DATA.csv [--x COL] [--y COL] [--start ROW] [--frame XTOP,XBOTTOM,YTOP,YBOTTOM]
int runStatsCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

void printStatsUsage(std::ostream &stream);
