// dorvan-cli: Dorvan documents without a window, for scripts and batch studies.
#include "CliCommands.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
