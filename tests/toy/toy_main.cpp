// The program's command line with the test diagram added: what the window's export runs when a
// test exports the test diagram.

#include "ToyDiagram.h"
#include "app/CommandLine.h"

#include <iostream>

int main(int argc, char **argv)
{
    registerToyDiagram();
    return runCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
