// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliContext.h"

#include <string>
#include <vector>

// Whole folders of seem files (phone backups) and recipes: the commands' work,
// apart from how their arguments are read.
namespace vantrel::cli {

[[nodiscard]] bool isFolder(const std::string& path);

// diff DIR1 DIR2: only-in lines, then per changed file a summary line and its
// settings; JSON with --json. 0 the same, 1 different, 2 trouble.
int diffFolders(const CliContext& context, const std::string& ours, const std::string& theirs);

// diff --recipe A B (files or folders): the recipe that turns A into B, on out.
int diffAsRecipe(CliContext& context, const std::string& ours, const std::string& theirs);

// export FILE...: the recipe that reproduces every file (a folder: its seem files).
int exportRecipes(CliContext& context, const std::vector<std::string>& paths, bool withBytes);

// apply RECIPE TARGET...: per file all or nothing; dryRun lists and writes nothing.
int applyRecipe(CliContext& context, const std::string& recipePath,
                const std::vector<std::string>& targets, bool dryRun);

} // namespace vantrel::cli
