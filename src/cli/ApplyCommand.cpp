// SPDX-License-Identifier: GPL-3.0-or-later
// apply: a recipe written into files, each entry looked over as the window's
// review does, so --dry-run shows the same marks the user would see there.
#include "cli/CliJson.h"
#include "cli/FolderCommands.h"
#include "cli/PendingWrites.h"
#include "core/compare/DifferenceJson.h"
#include "core/definitions/SeemTypeCatalog.h"
#include "core/files/SaveBatch.h"
#include "core/recipe/RecipeJson.h"
#include "core/recipe/RecipeMatching.h"
#include "core/recipe/RecipeReview.h"
#include "core/settings/SettingsStore.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <numeric>

namespace vantrel::cli {

namespace fs = std::filesystem;

namespace {

// What one run of apply gathers as it goes.
struct ApplyRun {
    const ApplyOptions& options;
    const Recipe& recipe;
    Json* report = nullptr;
    // The recipes that put back every file changed so far.
    std::vector<FileRecipe> undo;
    // Written files still to be put in place; anything said of another file
    // waits until they are, so the output keeps the files' order.
    PendingWrites writes;
};

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

bool namesSetting(const std::vector<std::string>& settings, const RecipeEntry& entry) {
    const std::string setting = toLowerAscii(entrySettingText(entry));
    return std::any_of(settings.begin(), settings.end(),
                       [&](const std::string& name) { return toLowerAscii(name) == setting; });
}

bool chosen(const ApplyOptions& options, const RecipeEntry& entry) {
    return (options.only.empty() || namesSetting(options.only, entry)) &&
           !namesSetting(options.except, entry);
}

// A setting --only or --except names that no entry has: a typo would
// otherwise apply what the user meant to leave out.
std::string unknownSetting(const ApplyOptions& options, const Recipe& recipe) {
    for (const auto* list : {&options.only, &options.except}) {
        for (const std::string& name : *list) {
            if (std::none_of(recipe.entries.begin(), recipe.entries.end(),
                             [&](const RecipeEntry& entry) { return namesSetting({name}, entry); }))
                return "no entry of the recipe names the setting \"" + name + "\"";
        }
    }
    return {};
}

std::vector<std::size_t> chosenOf(const ApplyRun& run, const std::vector<std::size_t>& indices) {
    std::vector<std::size_t> kept;
    std::copy_if(indices.begin(), indices.end(), std::back_inserter(kept),
                 [&](std::size_t i) { return chosen(run.options, run.recipe.entries[i]); });
    return kept;
}

// A file's type as opening would find it: by its size.
RecipeFile typedFile(const XmlElement& root, const RecipeTargetFile& target) {
    std::error_code error;
    const std::uintmax_t size = target.skipped ? 0 : fs::file_size(target.path, error);
    if (target.skipped || error)
        return {target.path, ""};
    return {target.path, recipeSeemId(findSeemType(root, size), "")};
}

Json reviewJson(const RecipeReview& review) {
    Json rows = Json::array();
    for (const RecipeReviewRow& row : review.rows) {
        Json entry = Json::object();
        entry["setting"] = row.setting;
        entry["current"] = row.current;
        entry["value"] = row.wanted;
        if (row.from)
            entry["from"] = *row.from;
        entry["already_at_value"] = row.alreadyAtValue;
        entry["from_differs"] = row.fromDiffers;
        rows.push_back(std::move(entry));
    }
    return rows;
}

void printMarks(const CliContext& context, const RecipeReview& review) {
    for (const RecipeReviewRow& row : review.rows) {
        if (const std::string mark = reviewMarkText(UiStrings(), row); !mark.empty())
            context.out << "  " << row.setting << ": " << mark << '\n';
    }
}

Json fileReport(const std::string& path, Json changes, bool written, const RecipeReview& review) {
    Json file = Json::object();
    putPath(file, "path", path);
    file["changes"] = std::move(changes);
    file["written"] = written;
    file["entries"] = reviewJson(review);
    return file;
}

// The recipe that turns the open file back into the bytes it was read with.
void addUndo(const CliContext& context, ApplyRun& run) {
    const SeemDocument& document = context.document;
    ByteGrid before;
    before.load(document.savedBytes());
    const std::string seem = recipeSeemId(document.type(), document.path());
    FileRecipe back{document.path(), recipeSeemId(document.type(), ""), {}};
    if (!recipeBetween({document.type(), document.typeName(), document.grid()},
                       {document.type(), document.typeName(), before}, seem, back.recipe))
        return;
    // A setting the old bytes hold that its editor would refuse to write (a
    // title of stray bytes) would stop the undo: such a file is put back byte by byte.
    ByteGrid trial;
    trial.load(document.grid().bytes());
    if (!applyRecipeEntries(document.type(), document.typeName(), trial, back.recipe.entries)
             .empty() ||
        trial.bytes() != before.bytes())
        (void)recipeBetween({XmlElement(), "", document.grid()}, {XmlElement(), "", before}, seem,
                            back.recipe);
    run.undo.push_back(std::move(back));
}

int reportProblems(const CliContext& context, ApplyRun& run, const std::string& path,
                   const std::vector<std::string>& problems) {
    const int status = run.writes.flush();
    for (const std::string& problem : problems)
        context.badInput(path, problem);
    if (run.report != nullptr)
        run.report->push_back(errorObject(path, problems.front()));
    return std::max<int>(status, kBadInput);
}

// What is said of a file once it is written, or with --dry-run would be.
int reportChangedFile(const CliContext& context, const ApplyRun& run, const std::string& path,
                      const std::vector<SettingDifference>& differences,
                      const RecipeReview& review) {
    const bool dryRun = run.options.dryRun;
    if (run.report != nullptr) {
        run.report->push_back(fileReport(path, differencesJson(differences), !dryRun, review));
        return kSuccess;
    }
    const std::size_t count = differences.size();
    context.out << path << ": " << count << (count == 1 ? " change" : " changes")
                << (dryRun ? " would be made\n" : "\n");
    for (const SettingDifference& difference : differences)
        context.out << "  " << differenceLine(difference) << '\n';
    printMarks(context, review);
    return kSuccess;
}

// The open document's new bytes wait with the other written files; it is
// reported once they are in place, so the list never names a change that did
// not happen.
int writeOpenFile(CliContext& context, ApplyRun& run, std::unique_ptr<FileLock> lock,
                  std::vector<SettingDifference> differences, const RecipeReview& review) {
    const std::string path = context.document.path();
    PreparedReplacement replacement;
    if (const SaveResult saved = context.session.prepareSave(replacement);
        saved.status != SaveResult::Status::Saved) {
        const int earlier = run.writes.flush(); // said before this file's refusal
        const int status = std::max(earlier, reportSave(context, path, saved));
        if (run.report != nullptr)
            run.report->push_back(errorObject(path, "not written"));
        return status;
    }
    return run.writes.add(std::move(lock), std::move(replacement),
                          [&context, &run, path, differences = std::move(differences),
                           review](const FileWrite& written) {
                              if (written.ok())
                                  return reportChangedFile(context, run, path, differences, review);
                              const int status = context.badInput(path, written.describe());
                              if (run.report != nullptr)
                                  run.report->push_back(errorObject(path, "not written"));
                              return status;
                          });
}

// Applies the entries at indices to the open document and writes it (lock
// held until then); reports what changed. 0, or 2 with every problem listed
// and nothing written.
int applyToOpenFile(CliContext& context, ApplyRun& run, const std::vector<std::size_t>& indices,
                    std::unique_ptr<FileLock> lock) {
    const SeemDocument& document = context.document;
    const std::string path = document.path();
    const RecipeReview review = reviewRecipeEntries(
        run.recipe, indices, {document.type(), document.typeName(), document.grid()});
    if (!review.refused.empty())
        return reportProblems(context, run, path, review.refused);
    // The whole choice is applied in order, as a face applies its ticked rows.
    std::vector<std::size_t> rows(review.rows.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    if (const auto problems = context.session.applyReviewed(review, rows); !problems.empty())
        return reportProblems(context, run, path, problems);
    if (document.grid().bytes() == document.savedBytes()) {
        const int status = run.writes.flush();
        if (run.report != nullptr)
            run.report->push_back(fileReport(path, Json::array(), false, review));
        else
            context.out << path << ": unchanged\n";
        return status;
    }
    addUndo(context, run);
    ByteGrid before;
    before.load(document.savedBytes());
    auto comparison =
        compareSeemFiles({document.type(), document.typeName(), before},
                         {document.type(), document.typeName(), document.grid()}, UiStrings());
    if (run.options.dryRun)
        return reportChangedFile(context, run, path, comparison.differences, review);
    return writeOpenFile(context, run, std::move(lock), std::move(comparison.differences), review);
}

// One target file, read, changed and written under its lock as an edit in
// place is, so that edits running at the same time take turns.
int applyToFile(CliContext& context, ApplyRun& run, const RecipeTargetFile& target,
                const std::vector<std::size_t>& indices) {
    const std::string& path = target.path;
    // A file named twice is read again only once its first write is in place.
    int status = target.skipped || FileLock::isHeldHere(path) ? run.writes.flush() : kSuccess;
    if (target.skipped) {
        if (run.report != nullptr)
            run.report->push_back(skippedObject(path, target.skipped->message));
        return std::max(status, context.badInput(path, target.skipped->message));
    }
    if (!run.options.dryRun && reportLeftoverRecovery(context, path)) {
        status = std::max(status, run.writes.flush());
        if (run.report != nullptr)
            run.report->push_back(errorObject(path, "an earlier save was interrupted"));
        return std::max<int>(status, kBadInput);
    }
    std::unique_ptr<FileLock> lock;
    if (!run.options.dryRun)
        lock = std::make_unique<FileLock>(path);
    std::string problem;
    if (!openSeem(context, path, &problem))
        return std::max(status, reportProblems(context, run, path, {problem}));
    return std::max(status, applyToOpenFile(context, run, indices, std::move(lock)));
}

// Which files take which entries: a file named alone is checked against the
// recipe's type; the files of folders are paired by type ID.
FolderRecipeMatch matchTargets(const CliContext& context, ApplyRun& run, const RecipeIndex& index,
                               const std::vector<RecipeTargetFile>& files, int& status) {
    const XmlElement root = context.document.definitions().root();
    std::vector<RecipeFile> typed;
    typed.reserve(files.size());
    for (const RecipeTargetFile& file : files)
        typed.push_back(typedFile(root, file));
    const auto& targets = run.options.targets;
    if (targets.size() != 1 || isFolder(targets[0]) || files.size() != 1)
        return matchRecipeToFolder(index, typed);
    const RecipeMatch match = matchRecipeToFile(index, typed[0], root);
    FolderRecipeMatch single{{match.entries}, {}};
    if (!match.refusal)
        return single;
    if (match.refusal->id == UiString::RecipeNothingForFile) {
        single.unmatched = index.seems();
    } else {
        status = reportProblems(context, run, files[0].path, {match.refusal->text(UiStrings())});
    }
    return single;
}

void announceRawBytes(const CliContext& context, const std::string& recipePath,
                      const Recipe& recipe) {
    // Bytes no setting describes may belong to one phone alone: say so before they land.
    const auto [entries, bytes] = rawBytes(recipe);
    if (entries > 0 && !context.json())
        context.out << recipePath << ": " << bytes << (bytes == 1 ? " byte" : " bytes") << " in "
                    << entries << (entries == 1 ? " entry" : " entries")
                    << " written as they stand, not as settings\n";
}

int writeUndo(const CliContext& context, const ApplyRun& run) {
    if (run.options.undoRecipe.empty())
        return kSuccess;
    const std::string json = recipeToJson(joinFileRecipes(run.undo));
    return writeResult(context, run.options.undoRecipe, {json.begin(), json.end()});
}

} // namespace

int applyRecipe(CliContext& context, const ApplyOptions& options) {
    const RecipeParse parsed = readRecipeFile(options.recipe);
    for (const std::string& problem : parsed.problems)
        context.badInput(options.recipe, problem);
    if (!parsed.ok())
        return kBadInput;
    if (const std::string unknown = unknownSetting(options, parsed.recipe); !unknown.empty())
        return context.badInput(options.recipe, unknown);
    announceRawBytes(context, options.recipe, parsed.recipe);
    Json files = Json::array();
    ApplyRun run{options, parsed.recipe, context.json() ? &files : nullptr, {}, {}};
    std::vector<RecipeTargetFile> targets;
    for (const std::string& target : options.targets) {
        for (RecipeTargetFile& file : expandTargets(context, target))
            targets.push_back(std::move(file));
    }
    const RecipeIndex index(parsed.recipe);
    int status = kSuccess;
    const FolderRecipeMatch match = matchTargets(context, run, index, targets, status);
    const SaveBatch batch;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        // Only an entry the recipe would have written is named: the rest are no loss.
        const auto indices = chosenOf(run, match.entriesByFile[i]);
        if (!indices.empty())
            status = std::max(status, applyToFile(context, run, targets[i], indices));
    }
    status = std::max(status, run.writes.flush());
    for (const std::string& seem : match.unmatched) {
        if (!chosenOf(run, index.entriesOf(seem)).empty())
            status = context.badInput(options.recipe, "no file for seem " + seem);
    }
    status = std::max(status, writeUndo(context, run));
    if (run.report != nullptr) {
        Json json = Json::object();
        putPath(json, "recipe", options.recipe);
        json["dry_run"] = options.dryRun;
        json["raw_bytes"] = rawBytes(parsed.recipe).second;
        json["files"] = std::move(files);
        printJson(context.out, json);
    }
    return status;
}

} // namespace vantrel::cli
