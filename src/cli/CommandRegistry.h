// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliContext.h"

#include <functional>
#include <vector>

namespace CLI {
class App;
} // namespace CLI

namespace vantrel::cli {

// A subcommand of the parser and what runs it once the whole line parsed.
struct RegisteredCommand {
    CLI::App* command;
    std::function<int(CliContext&)> run;
};

// Adds every subcommand with its arguments to cli, in the order --help lists them.
[[nodiscard]] std::vector<RegisteredCommand> registerCommands(CLI::App& cli);

} // namespace vantrel::cli
