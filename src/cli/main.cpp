// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Cli.h"
#include "lingua/Traduttore.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> argomenti(argv + 1, argv + argc);
    // The language of the desktop program: the user's stored choice, else the desktop's.
    const girolino::lingua::TTraduttore tr(girolino::lingua::linguaDelProgramma());
    return girolino::cli::eseguiCli(argomenti, tr, std::cin, std::cout, std::cerr);
}
