// SPDX-License-Identifier: GPL-3.0-or-later
// export and diff --recipe: settings carried from file to file as text.
#include "cli/Commands.h"
#include "cli/FolderCommands.h"
#include "core/Failure.h"
#include "core/recipe/FolderRecipe.h"
#include "core/recipe/RecipeJson.h"
#include "core/recipe/RecipeMatching.h"
#include "core/recipe/RecipeSettings.h"
#include "core/shell/SeemFolderScan.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace vantrel::cli {

namespace fs = std::filesystem;

// A link in the folder to a file elsewhere is left alone and told: writing
// through it would change a file outside the folder that was named.
std::vector<RecipeTargetFile> expandTargets(const CliContext& context, const std::string& path) {
    if (!isFolder(path))
        return {{path, std::nullopt}};
    std::error_code error;
    const fs::path folder = fs::canonical(path, error);
    const std::string prefix = withTrailingSeparator(path);
    const SeemFolderListing listing = listSeemFolderWithSkipped(path);
    std::vector<RecipeTargetFile> targets;
    for (const SeemFolderFile& file : listing.files) {
        if (!isSeemFolderCandidate(file.name))
            continue;
        const std::string name = prefix + file.name;
        if (fs::is_symlink(name, error) && fs::canonical(name, error).parent_path() != folder) {
            context.badInput(name, "a link to a file outside the folder; left alone");
            continue;
        }
        targets.push_back({name, std::nullopt});
    }
    for (const SkippedEntry& entry : listing.skipped)
        targets.push_back({prefix + entry.name, Failure{entry.report()}});
    std::sort(targets.begin(), targets.end(),
              [](const RecipeTargetFile& a, const RecipeTargetFile& b) { return a.path < b.path; });
    return targets;
}

namespace {

RecipeTarget openTarget(const CliContext& context) {
    return {context.document.type(), context.document.typeName(), context.document.grid()};
}

int writeRecipe(const CliContext& context, const Recipe& recipe, bool trouble) {
    context.out << recipeToJson(recipe);
    return trouble ? kBadInput : kSuccess;
}

int folderRecipe(CliContext& context, const std::string& ours, const std::string& theirs) {
    const FolderRecipe made =
        recipeBetweenFolders(ours, theirs, context.document.definitions().root());
    if (made.failure)
        return context.badInput(made.failure->folder, made.failure->reason);
    for (const FolderRecipeNote& note : made.notes) {
        if (note.trouble())
            context.badInput(note.path, note.reason);
        else
            context.err << "vantrel-cli: " << note.text() << '\n';
    }
    return writeRecipe(context, made.recipe, made.trouble());
}

} // namespace

int diffAsRecipe(CliContext& context, const std::string& ours, const std::string& theirs) {
    if (isFolder(ours) || isFolder(theirs))
        return folderRecipe(context, ours, theirs);
    Recipe recipe;
    if (!openSeem(context, ours))
        return kBadInput;
    const XmlElement oursType = context.document.type();
    const std::string oursTypeName = context.document.typeName();
    ByteGrid oursGrid;
    oursGrid.load(context.document.savedBytes());
    if (!openSeem(context, theirs))
        return kBadInput;
    if (!recipeBetween({oursType, oursTypeName, oursGrid}, openTarget(context),
                       recipeSeemId(oursType, ours), recipe))
        return context.badInput(theirs, "the files differ in size; a recipe cannot change a size");
    return writeRecipe(context, recipe, false);
}

int exportRecipes(CliContext& context, const std::vector<std::string>& paths, bool withBytes) {
    std::vector<FileRecipe> files;
    bool trouble = false;
    for (const std::string& given : paths) {
        for (const RecipeTargetFile& target : expandTargets(context, given)) {
            if (target.skipped)
                context.badInput(target.path, target.skipped->message);
            if (target.skipped || !openSeem(context, target.path)) {
                trouble = true;
                continue;
            }
            const XmlElement type = context.document.type();
            files.push_back(
                {target.path, recipeSeemId(type, ""),
                 exportRecipe(openTarget(context), recipeSeemId(type, target.path), withBytes)});
        }
    }
    return writeRecipe(context, joinFileRecipes(std::move(files)), trouble);
}

} // namespace vantrel::cli

namespace vantrel::cli {

int runExport(CliContext& context, const FilesOptions& options) {
    return exportRecipes(context, options.files, options.bytes);
}

int runApply(CliContext& context, const ApplyOptions& options) {
    return applyRecipe(context, options);
}

} // namespace vantrel::cli
