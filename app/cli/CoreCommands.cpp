#include "app/cli/CoreCommands.h"

#include "app/cli/CommandLine.h"
#include "app/cli/RouteCommand.h"
#include "app/cli/StatsCommand.h"

int runCoreCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    if (!args.empty() && args.front() == "stats")
        return runStatsCommand(args, out, err);
    if (!args.empty() && args.front() == "route")
        return runRouteCommand(args, out, err);
    err << "tracelet: unknown command '" << (args.empty() ? std::string() : args.front()) << "'\n";
    printStatsUsage(err);
    printRouteUsage(err);
    return kExitUsage;
}
