#include "app/CommandLine.h"

#include "app/RenderCommand.h"
#include "app/cli/CoreCommands.h"

namespace {
const char *const kUsage = "usage: tracelet                 open the window\n"
                           "       tracelet SETUP.kvs|SETUP.kvt\n"
                           "                      open the window and start that diagram\n"
                           "       tracelet --zoom-window 1|1.5|2|3 [SETUP.kvs|SETUP.kvt]\n"
                           "                      the window at that scale for this start\n"
                           "                      (default: the scale chosen in its menu)\n"
                           "       tracelet --lang en|ja [SETUP.kvs|SETUP.kvt]\n"
                           "                      the window in English or Japanese (default:\n"
                           "                      TRACELET_LANG, else the system's language)\n"
                           "       tracelet --lang en|ja stats|route|render ...\n"
                           "                      the commands' notes and errors from the window\n"
                           "                      and the data reader follow the same choice;\n"
                           "                      files and pictures do not: render draws the\n"
                           "                      texts as written (Japanese) unless --lang is\n"
                           "                      given\n"
                           "       tracelet stats DATA.csv [--x COL] [--y COL] [--start ROW]\n"
                           "                      [--frame XTOP,XBOTTOM,YTOP,YBOTTOM]\n"
                           "       tracelet route POINTS.csv -o ROUTE.csv [--linear | --curve]\n"
                           "                      [--divisions N] [--move-time MS] [--zoom 0|1|2]\n"
                           "                      [--start ROW]\n"
                           "       tracelet render SETUP.kvs|SETUP.kvt -o OUT.png|OUT.gif|OUT.mp4\n"
                           "                      [--frames-every MS] [--size-limit N] [--loop N]\n"
                           "                      [--scale K] [--exact] [--progress]\n"
                           "       tracelet --measure-start\n"
                           "                      open the window, print the milliseconds from\n"
                           "                      the start to its first frame, and end\n"
                           "       tracelet --help | --version\n";
}

int runCommandLine(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    const std::string &command = args.front();
    if (command == "--help" || command == "-h") {
        out << kUsage;
        return 0;
    }
    if (command == "--version") {
        out << "tracelet " << TRACELET_VERSION << "\n";
        return 0;
    }
    if (command == "stats" || command == "route")
        return runCoreCommand(args, out, err);
    if (command == "render")
        return renderCommand(args, out, err);
    err << "tracelet: unknown command '" << command << "'\n" << kUsage;
    return 2;
}
