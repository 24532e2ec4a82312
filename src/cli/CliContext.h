// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>

#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "core/document/SeemDocument.h"

namespace vantrel::cli {

enum ExitStatus : int { kSuccess = 0, kUsageError = 1, kBadInput = 2 };

// Everything a command works with: what was asked, the data found, one open
// document (the same object the editor window opens files with) and the streams.
struct CliContext {
    const CliOptions& options;
    CliData& data;
    SeemDocument& document;
    std::ostream& out;
    std::ostream& err;

    // One line on stderr naming the file and the problem.
    int badInput(const std::string& file, const std::string& problem) const {
        err << "vantrel-cli: " << file << ": " << problem << '\n';
        return kBadInput;
    }
    int usage(const std::string& problem) const;
};

// Opens path in the context's document, reporting a refusal on stderr.
[[nodiscard]] bool openSeem(const CliContext& context, const std::string& path);

} // namespace vantrel::cli
