#pragma once

#include <ostream>
#include <string>
#include <vector>

// tracelet route POINTS.csv -o ROUTE.csv [--linear | --curve] [--divisions N] [--move-time MS]
//                [--zoom 0|1|2] [--start ROW]
int runRouteCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

void printRouteUsage(std::ostream &stream);
