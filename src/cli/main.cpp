// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Cli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> argomenti(argv + 1, argv + argc);
    return girolino::cli::eseguiCli(argomenti, std::cin, std::cout, std::cerr);
}
