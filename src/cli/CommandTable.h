// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliContext.h"
#include "cli/CliOptions.h"

#include <functional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace vantrel::cli {

// A command line that parsed: the shared options and the command to run.
struct ParsedCommandLine {
    CliOptions options;
    std::function<int(CliContext&)> run;
};

// Parses the arguments after the program name. --help, --version and usage
// errors are answered here (on out or err) and give the exit status instead.
[[nodiscard]] std::variant<ParsedCommandLine, int>
parseCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// What "vantrel-cli --help" prints.
extern const char* const kMainUsage;

// The one line and the pointer to --help that every usage error gets.
void printUsageError(std::ostream& err, const std::string& problem, const std::string& command);

} // namespace vantrel::cli
