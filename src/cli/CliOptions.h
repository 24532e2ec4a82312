// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantrel::cli {

// The options every command shares, as parsed.
struct CliOptions {
    std::optional<std::string> dataDir;         // absent: the program's own data folder
    std::optional<std::string> definitionsFile; // set: this document and no language.xml
    std::optional<int> language;                // absent: the system's
    bool json = false;
    std::string command;
};

// The words of a command that parses its own arguments: positional words and
// its own options, in the order given. Commands written this way are moved to
// an options struct declared in CommandRegistry.cpp; this goes when the last one is.
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
