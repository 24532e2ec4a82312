// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliContext.h"
#include "cli/CliJson.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Every command is a function of its parsed options; CommandRegistry.cpp declares
// the options on the command line and calls these.
namespace vantrel::cli {

struct FilesOptions {
    std::vector<std::string> files;
    bool explain = false; // identify only
    bool suggest = false; // diff only
    bool recipe = false;  // diff only
    bool bytes = false;   // export: the bytes no setting describes too
    bool force = false;   // recover: even a copy that does not fit the file
};

// The edit commands: FILE, then what to change and the new value.
struct EditOptions {
    std::string file;
    std::string name;  // PATH, ID or GROUP/ENTRY
    std::string value; // on|off, VALUE, #RRGGBB or TEXT
    std::optional<std::string> output;
    std::optional<std::string> transparency; // color
    bool reset = false;                      // volume
};

struct TextOptions {
    std::optional<std::string> text; // outertext: TEXT; gprs: --text
    std::string output;
    bool date = false;    // gprs
    bool nothing = false; // gprs
    bool strict = false;
};

struct ApplyOptions {
    std::string recipe;
    std::vector<std::string> targets;
    bool dryRun = false;
    // Settings named as the recipe names them ("Keys/Sound", "title"): only
    // these are applied, or these are left out.
    std::vector<std::string> only;
    std::vector<std::string> except;
    // Where to write the recipe that puts every changed file back; "" none.
    std::string undoRecipe;
};

struct PlayOptions {
    std::string scenario;
    std::optional<std::string> output; // absent: the result as hex on standard output
};

struct CheckOptions {
    std::vector<std::string> files;
    bool strict = false;
};

int runTypes(CliContext& context, const FilesOptions& options);
int runIdentify(CliContext& context, const FilesOptions& options);
int explainIdentify(CliContext& context, const std::vector<std::string>& files);
int runDump(CliContext& context, const FilesOptions& options);
int runShow(CliContext& context, const FilesOptions& options);
// The open document through its type's editor, as text or into json.
int showDecoded(const CliContext& context, const std::string& kind, Json* json);

// One setting an edit changed, for the --json report.
struct EditChange {
    std::string setting;
    std::string before;
    std::string after;
};
// Changes the open document through the session, noting each setting it
// changes; returns the exit status.
using EditAction = std::function<int(std::vector<EditChange>& changes)>;
// Opens options.file, checks its editor shows settings of kind, runs edit and
// writes the result.
int editFile(CliContext& context, const EditOptions& options, SettingKind kind,
             const EditAction& edit);
// Sets the setting of kind that options.name names (the title: the one
// title) to options.value.
int editSetting(CliContext& context, const EditOptions& options, SettingKind kind);
// A setting's value as an edit's report gives it: "on", "6", "#FF8000 50%".
[[nodiscard]] std::string settingText(const EditingSession& session, SettingKind kind,
                                      const std::string& key);

int runSwitch(CliContext& context, const EditOptions& options);
int runStyle(CliContext& context, const EditOptions& options);
int runVolume(CliContext& context, const EditOptions& options);
int runColor(CliContext& context, const EditOptions& options);
int runTitle(CliContext& context, const EditOptions& options);

int runOuterText(CliContext& context, const TextOptions& options);
int runGprs(CliContext& context, const TextOptions& options);
int runScan(CliContext& context, const FilesOptions& options);
int runCheck(CliContext& context, const CheckOptions& options);
int runDiff(CliContext& context, const FilesOptions& options);
int runCoverage(CliContext& context, const FilesOptions& options);

// The described and undescribed bits of every byte of file.
int printCoverage(CliContext& context, const std::string& file);
// The definitions elements for the undescribed bits in which second differs
// from first, two files of one type and size.
int suggestDefinitionsFor(CliContext& context, const std::string& first, const std::string& second);
int runRecover(CliContext& context, const FilesOptions& options);
int runExport(CliContext& context, const FilesOptions& options);
int runApply(CliContext& context, const ApplyOptions& options);
int runPlay(CliContext& context, const PlayOptions& options);
// Tells on stderr of a recovery entry left for path; true when one stands in
// the way of writing it in place (one set aside is only noted).
bool reportLeftoverRecovery(const CliContext& context, const std::string& path);

} // namespace vantrel::cli
