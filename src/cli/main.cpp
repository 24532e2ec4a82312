// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliContext.h"
#include "cli/CliRun.h"

#include <csignal>
#include <exception>
#include <iostream>
#include <new>

int main(int argc, char* argv[]) {
    // Whatever escapes a command (no memory left, an unreadable stream) ends
    // the run with one line and the status of bad input, never with an abort.
    try {
        // A reader that went away is output that cannot be written, said and
        // answered with status 2 as a full disk is, not a silent death by SIGPIPE.
        std::signal(SIGPIPE, SIG_IGN);
        std::ios::sync_with_stdio(false);
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        return vantrel::cli::runCli(arguments, std::cin, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "vantrel-cli: out of memory\n";
    } catch (const std::exception& error) {
        std::cerr << "vantrel-cli: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "vantrel-cli: an unexpected failure\n";
    }
    return vantrel::cli::kBadInput;
}
