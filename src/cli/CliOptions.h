// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vantrel::cli {

// What the command line asked for, before any file is read.
struct CliOptions {
    std::string dataDir;         // empty: the program's own data folder
    std::string definitionsFile; // set: use this document and no language.xml
    std::optional<int> language; // the language number; empty: the system's
    bool json = false;
    bool help = false;
    bool version = false;
    std::string command;
    std::vector<std::string> arguments; // after the command, options included
};

struct UsageError {
    std::string message;
};

[[nodiscard]] std::variant<CliOptions, UsageError>
parseCliOptions(const std::vector<std::string>& argv);

// The arguments of one command: its positional words and its own options.
class CommandArguments {
  public:
    explicit CommandArguments(std::vector<std::string> arguments);

    // Takes "--name VALUE" out of the arguments; an empty optional when absent.
    // A "--name" without a value is reported by error().
    std::optional<std::string> takeValue(const std::string& name);
    // Takes a "--name" flag out of the arguments.
    bool takeFlag(const std::string& name);

    // What is left once every option was taken: positional words. Reports an
    // unknown option as an error.
    [[nodiscard]] const std::vector<std::string>& positional();
    [[nodiscard]] const std::optional<std::string>& error() const { return m_error; }

  private:
    std::vector<std::string> m_arguments;
    std::optional<std::string> m_error;
};

} // namespace vantrel::cli
