// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliRun.h"

#include <iostream>

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return vantrel::cli::runCli(arguments, std::cin, std::cout, std::cerr);
}
