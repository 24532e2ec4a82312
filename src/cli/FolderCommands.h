// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "core/Failure.h"

#include <optional>
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

// One file to read, or an entry of a folder named as a seem file that is no
// file (a FIFO, a device, a folder), with why it is left unopened.
struct RecipeTargetFile {
    std::string path;
    std::optional<Failure> skipped;
};

// The seem files of a folder in name order, or the path itself.
[[nodiscard]] std::vector<RecipeTargetFile> expandTargets(const CliContext& context,
                                                          const std::string& path);

// apply RECIPE TARGET...: per file all or nothing; see ApplyOptions.
int applyRecipe(CliContext& context, const ApplyOptions& options);

} // namespace vantrel::cli
