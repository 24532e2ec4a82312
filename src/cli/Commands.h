// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/CliContext.h"
#include "cli/CliOptions.h"

namespace vantrel::cli {

class JsonWriter;

// Each command returns the tool's exit status.
int runTypes(CliContext& context, CommandArguments& arguments);
int runIdentify(CliContext& context, CommandArguments& arguments);
int explainIdentify(CliContext& context, const std::vector<std::string>& files);
int runDump(CliContext& context, CommandArguments& arguments);
int runShow(CliContext& context, CommandArguments& arguments);
// The open document through its type's editor, as text or into an open JSON object.
int showDecoded(const CliContext& context, const std::string& kind, JsonWriter* json);

// Changes the open document's cells; returns the exit status.
using EditAction = std::function<int(const std::vector<std::string>& words)>;
int editFile(CliContext& context, CommandArguments& arguments, const std::string& kind,
             std::size_t wordCount, const EditAction& edit);

int runSwitch(CliContext& context, CommandArguments& arguments);
int runStyle(CliContext& context, CommandArguments& arguments);
int runVolume(CliContext& context, CommandArguments& arguments);
int runColor(CliContext& context, CommandArguments& arguments);
int runTitle(CliContext& context, CommandArguments& arguments);

int runOuterText(CliContext& context, CommandArguments& arguments);
int runGprs(CliContext& context, CommandArguments& arguments);
int runScan(CliContext& context, CommandArguments& arguments);
int runCheck(CliContext& context, CommandArguments& arguments);
int runDiff(CliContext& context, CommandArguments& arguments);
int runRecover(CliContext& context, CommandArguments& arguments);
// Tells on stderr of a recovery copy left for path; true when there is one.
bool reportLeftoverRecovery(const CliContext& context, const std::string& path);

} // namespace vantrel::cli
