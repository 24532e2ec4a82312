// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace vantrel::cli {

// The options every command shares, as parsed.
struct CliOptions {
    std::optional<std::string> dataDir;         // absent: the program's own data folder
    std::optional<std::string> definitionsFile; // set: this document and no language.xml
    std::optional<int> language;                // absent: the system's
    bool json = false;
    std::string command;
};

} // namespace vantrel::cli
