// SPDX-License-Identifier: GPL-3.0-or-later
// export, diff --recipe and apply: settings carried from file to file as text.
#include "cli/CliJson.h"
#include "cli/Commands.h"
#include "cli/FolderCommands.h"
#include "core/Failure.h"
#include "core/compare/DifferenceJson.h"
#include "core/compare/FolderComparison.h"
#include "core/files/FileLock.h"
#include "core/recipe/RecipeJson.h"
#include "core/recipe/RecipeSettings.h"
#include "core/settings/SettingsStore.h"
#include "core/shell/SeemFolderScan.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>

namespace vantrel::cli {

namespace fs = std::filesystem;

namespace {

// One file to read, or an entry of a folder named as a seem file that is no
// file (a FIFO, a device, a folder), with why it is left unopened.
struct Target {
    std::string path;
    std::optional<Failure> skipped;
};

// The seem files of a folder in name order, or the path itself. A link in the
// folder to a file elsewhere is left alone and told: writing through it would
// change a file outside the folder that was named.
std::vector<Target> expandTargets(const CliContext& context, const std::string& path) {
    if (!isFolder(path))
        return {{path, std::nullopt}};
    std::error_code error;
    const fs::path folder = fs::canonical(path, error);
    const std::string prefix = withTrailingSeparator(path);
    const SeemFolderListing listing = listSeemFolderWithSkipped(path);
    std::vector<Target> targets;
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
              [](const Target& a, const Target& b) { return a.path < b.path; });
    return targets;
}

// Named as the folder diff names it, in its place among the files.
int reportSkipped(const CliContext& context, const Target& target, Json* report) {
    if (report != nullptr)
        report->push_back(skippedObject(target.path, target.skipped->message));
    return context.badInput(target.path, target.skipped->message);
}

Json fileReport(const std::string& path, Json changes, bool written) {
    Json file = Json::object();
    putPath(file, "path", path);
    file["changes"] = std::move(changes);
    file["written"] = written;
    return file;
}

// Entries that write bytes as they stand, and how many bytes they hold.
std::pair<std::size_t, std::size_t> rawBytes(const Recipe& recipe) {
    std::size_t entries = 0;
    std::size_t digits = 0;
    for (const RecipeEntry& entry : recipe.entries) {
        if (entry.kind != SettingKind::Bytes)
            continue;
        ++entries;
        digits += static_cast<std::size_t>(
            std::count_if(entry.value.begin(), entry.value.end(), [](char c) { return c != ' '; }));
    }
    return {entries, digits / 2};
}

RecipeTarget openTarget(const CliContext& context) {
    return {context.document.type(), context.document.typeName(), context.document.grid()};
}

class RecipeDiff : public FolderComparisonVisitor {
  public:
    RecipeDiff(const CliContext& context, Recipe& recipe) : m_context(context), m_recipe(recipe) {}

    void onlyIn(FolderSide side, const std::string& name) override {
        m_context.err << "vantrel-cli: " << name
                      << (side == FolderSide::Ours ? ": only in the first folder, left as it is\n"
                                                   : ": only in the second folder; a recipe "
                                                     "cannot create a file\n");
    }
    void changed(const ChangedPair& pair) override {
        Recipe between;
        const RecipeTarget ours{pair.ours.type, pair.ours.typeName, pair.ours.grid};
        const RecipeTarget theirs{pair.theirs.type, pair.theirs.typeName, pair.theirs.grid};
        if (!recipeBetween(ours, theirs, seemIdOfPath(pair.oursName), between)) {
            unreadable(pair.oursName, "the files differ in size; a recipe cannot change a size");
            return;
        }
        m_recipe.entries.insert(m_recipe.entries.end(), between.entries.begin(),
                                between.entries.end());
    }
    void unreadable(const std::string& path, const std::string& reason) override {
        m_trouble = true;
        m_context.badInput(path, reason);
    }
    void skipped(const std::string& path, const std::string& reason) override {
        unreadable(path, reason);
    }
    [[nodiscard]] bool trouble() const { return m_trouble; }

  private:
    const CliContext& m_context;
    Recipe& m_recipe;
    bool m_trouble = false;
};

int writeRecipe(const CliContext& context, const Recipe& recipe, bool trouble) {
    context.out << recipeToJson(recipe);
    return trouble ? kBadInput : kSuccess;
}

// Applies the entries to the open document; prints what changed, or adds it
// to report. 0, or 2 with every problem listed and nothing written.
int applyToOpenFile(CliContext& context, const std::vector<RecipeEntry>& entries, bool dryRun,
                    Json* report) {
    const SeemDocument& document = context.document;
    const std::string path = document.path();
    const auto problems = context.session.applyRecipe(entries);
    for (const std::string& problem : problems)
        context.badInput(path, problem);
    if (report != nullptr && !problems.empty())
        report->push_back(errorObject(path, problems.front()));
    if (!problems.empty())
        return kBadInput;
    if (document.grid().bytes() == document.savedBytes()) {
        if (report != nullptr)
            report->push_back(fileReport(path, Json::array(), false));
        else
            context.out << path << ": unchanged\n";
        return kSuccess;
    }
    ByteGrid before;
    before.load(document.savedBytes());
    const auto comparison =
        compareSeemFiles({document.type(), document.typeName(), before},
                         {document.type(), document.typeName(), document.grid()}, UiStrings());
    if (!dryRun) {
        const SaveResult saved = context.session.save();
        if (const int status = reportSave(context, path, saved); status != kSuccess) {
            if (report != nullptr)
                report->push_back(errorObject(path, "not written"));
            return status;
        }
    }
    if (report != nullptr) {
        report->push_back(fileReport(path, differencesJson(comparison.differences), !dryRun));
        return kSuccess;
    }
    // Listed once written, so the list never names a change that did not happen.
    const std::size_t count = comparison.differences.size();
    context.out << path << ": " << count << (count == 1 ? " change" : " changes")
                << (dryRun ? " would be made\n" : "\n");
    for (const SettingDifference& difference : comparison.differences)
        context.out << "  " << differenceLine(difference) << '\n';
    return kSuccess;
}

// One target file, read, changed and written under its lock as an edit in
// place is, so that edits running at the same time take turns.
int applyToFile(CliContext& context, const std::string& path,
                const std::vector<RecipeEntry>& entries, bool dryRun, Json* report) {
    if (!dryRun && reportLeftoverRecovery(context, path)) {
        if (report != nullptr)
            report->push_back(errorObject(path, "an earlier save was interrupted"));
        return kBadInput;
    }
    std::optional<FileLock> lock;
    if (!dryRun)
        lock.emplace(path);
    std::string problem;
    if (!openSeem(context, path, &problem)) {
        context.badInput(path, problem);
        if (report != nullptr)
            report->push_back(errorObject(path, problem));
        return kBadInput;
    }
    return applyToOpenFile(context, entries, dryRun, report);
}

} // namespace

int diffAsRecipe(CliContext& context, const std::string& ours, const std::string& theirs) {
    Recipe recipe;
    if (isFolder(ours) || isFolder(theirs)) {
        RecipeDiff diff(context, recipe);
        if (const auto failure = compareSeemFolders(
                ours, theirs, context.document.definitions().root(), UiStrings(), diff))
            return context.badInput(failure->folder, failure->reason);
        return writeRecipe(context, recipe, diff.trouble());
    }
    if (!openSeem(context, ours))
        return kBadInput;
    const XmlElement oursType = context.document.type();
    const std::string oursTypeName = context.document.typeName();
    ByteGrid oursGrid;
    oursGrid.load(context.document.savedBytes());
    if (!openSeem(context, theirs))
        return kBadInput;
    if (!recipeBetween({oursType, oursTypeName, oursGrid}, openTarget(context), seemIdOfPath(ours),
                       recipe))
        return context.badInput(theirs, "the files differ in size; a recipe cannot change a size");
    return writeRecipe(context, recipe, false);
}

int exportRecipes(CliContext& context, const std::vector<std::string>& paths, bool withBytes) {
    Recipe recipe;
    bool trouble = false;
    for (const std::string& given : paths) {
        for (const Target& target : expandTargets(context, given)) {
            if (target.skipped)
                reportSkipped(context, target, nullptr);
            if (target.skipped || !openSeem(context, target.path)) {
                trouble = true;
                continue;
            }
            const Recipe file =
                exportRecipe(openTarget(context), seemIdOfPath(target.path), withBytes);
            recipe.entries.insert(recipe.entries.end(), file.entries.begin(), file.entries.end());
        }
    }
    return writeRecipe(context, recipe, trouble);
}

int applyRecipe(CliContext& context, const std::string& recipePath,
                const std::vector<std::string>& targets, bool dryRun) {
    const RecipeParse parsed = readRecipeFile(recipePath);
    for (const std::string& problem : parsed.problems)
        context.badInput(recipePath, problem);
    if (!parsed.ok())
        return kBadInput;
    // Bytes no setting describes may belong to one phone alone: say so before they land.
    const auto [rawEntries, rawByteCount] = rawBytes(parsed.recipe);
    Json files = Json::array();
    Json* report = context.json() ? &files : nullptr;
    if (const auto [entries, bytes] = std::pair(rawEntries, rawByteCount);
        entries > 0 && report == nullptr)
        context.out << recipePath << ": " << bytes << (bytes == 1 ? " byte" : " bytes") << " in "
                    << entries << (entries == 1 ? " entry" : " entries")
                    << " written as they stand, not as settings\n";
    int status = kSuccess;
    std::set<std::string> served; // seem IDs that found a file
    const bool single = targets.size() == 1 && !isFolder(targets[0]);
    for (const std::string& target : targets) {
        for (const Target& file : expandTargets(context, target)) {
            // Only an entry the recipe would have written is named: the rest are no loss.
            const auto entries = entriesForFile(parsed.recipe, file.path, single);
            if (entries.empty())
                continue;
            for (const RecipeEntry& entry : entries)
                served.insert(toLowerAscii(entry.seem));
            status = std::max(
                status, file.skipped ? reportSkipped(context, file, report)
                                     : applyToFile(context, file.path, entries, dryRun, report));
        }
    }
    for (const RecipeEntry& entry : parsed.recipe.entries) {
        if (served.insert(toLowerAscii(entry.seem)).second) {
            context.badInput(recipePath, "no file for seem " + entry.seem);
            status = kBadInput;
        }
    }
    if (report != nullptr) {
        Json json = Json::object();
        putPath(json, "recipe", recipePath);
        json["dry_run"] = dryRun;
        json["raw_bytes"] = rawByteCount;
        json["files"] = std::move(files);
        printJson(context.out, json);
    }
    return status;
}

} // namespace vantrel::cli

namespace vantrel::cli {

int runExport(CliContext& context, const FilesOptions& options) {
    return exportRecipes(context, options.files, options.bytes);
}

int runApply(CliContext& context, const ApplyOptions& options) {
    return applyRecipe(context, options.recipe, options.targets, options.dryRun);
}

} // namespace vantrel::cli
