// Writes dorvan-cli's manual page, made from its help texts, to standard output.
#include "CliHelp.h"
#include "DorvanVersion.h"

#include <iostream>

int main()
{
    std::cout << ManPage(kDorvanVersion);
    return std::cout ? 0 : 1;
}
