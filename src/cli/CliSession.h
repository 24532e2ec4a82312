// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliOptions.h"
#include "core/Failure.h"
#include "core/i18n/LanguageFile.h"
#include "core/settings/SettingsStore.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel::cli {

// Where the tool found its data: the chosen language and its definitions
// document, as the editor would choose them.
struct CliData {
    std::string dataDir;         // with a trailing separator; empty with --definitions
    std::string definitionsPath; // the document every command reads
    // Every definitions document language.xml names, in its order.
    std::vector<std::string> allDefinitions;
    std::string languagePath; // empty with --definitions
    LanguageFile language;
    // Why locateData failed; check goes on with the files it was given.
    std::string locateFailure;
};

// The folder of the running program, with a trailing separator.
[[nodiscard]] std::string programFolder();

// The language of the system locale's variables (LC_ALL, LC_MESSAGES, LANG).
[[nodiscard]] std::optional<std::int32_t> environmentLcid();

// Chooses the language and the definitions document; a failure names the file
// and what is wrong with it.
[[nodiscard]] std::optional<Failure> locateData(const CliOptions& options, CliData& data);

} // namespace vantrel::cli
