// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "core/document/SeemDocument.h"
#include "core/session/EditingSession.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vantrel::cli {

enum ExitStatus : int { kSuccess = 0, kUsageError = 1, kBadInput = 2 };

// Everything a command works with: what was asked, the data found, one
// editing session (the one the editor window and the web page drive) with its
// open document, and the streams.
struct CliContext {
    const CliOptions& options;
    CliData& data;
    EditingSession& session;
    const SeemDocument& document; // the session's
    std::istream& in;
    std::ostream& out;
    std::ostream& err;

    // One line on stderr naming the file and the problem.
    int badInput(const std::string& file, const std::string& problem) const {
        err << "vantrel-cli: " << (file.empty() ? std::string("\"\"") : file) << ": " << problem
            << '\n';
        return kBadInput;
    }
    // One line on stderr and where to read more, as git and ls answer a bad call.
    int usage(const std::string& problem) const;
    [[nodiscard]] bool json() const { return options.json; }
};

// Opens path in the context's session ("-": standard input); a refusal is
// put in words in reason, or on stderr when reason is null.
[[nodiscard]] bool openSeem(const CliContext& context, const std::string& path,
                            std::string* reason = nullptr);

// Reports how a save of the open document (path: the FILE as given) ended;
// returns the exit status.
int reportSave(const CliContext& context, const std::string& path, const SaveResult& saved);

// Writes a command's result file: "-" is standard output, "" is refused;
// anything else is replaced atomically. Returns the exit status.
int writeResult(const CliContext& context, const std::string& path,
                const std::vector<std::uint8_t>& bytes);

} // namespace vantrel::cli
