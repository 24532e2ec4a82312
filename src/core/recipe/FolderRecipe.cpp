// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recipe/FolderRecipe.h"

#include "core/recipe/RecipeMatching.h"
#include "core/recipe/RecipeSettings.h"

#include <algorithm>

namespace vantrel {

namespace {

class RecipeCollector : public FolderComparisonVisitor {
  public:
    explicit RecipeCollector(FolderRecipe& result) : m_result(result) {}

    // Every changed pair's entries in one recipe.
    void finish() { m_result.recipe = joinFileRecipes(std::move(m_files)); }

    void onlyIn(FolderSide side, const std::string& name) override {
        note(side == FolderSide::Ours ? FolderRecipeNote::Kind::OnlyInOurs
                                      : FolderRecipeNote::Kind::OnlyInTheirs,
             name, {});
    }
    void changed(const ChangedPair& pair) override {
        const RecipeTarget ours{pair.ours.type, pair.ours.typeName, pair.ours.grid};
        const RecipeTarget theirs{pair.theirs.type, pair.theirs.typeName, pair.theirs.grid};
        const std::string typeId = recipeSeemId(pair.ours.type, "");
        FileRecipe file{pair.oursName, typeId, {}};
        if (!recipeBetween(ours, theirs, recipeSeemId(pair.ours.type, pair.oursName),
                           file.recipe)) {
            note(FolderRecipeNote::Kind::SizeDiffers, pair.oursName,
                 "the files differ in size; a recipe cannot change a size");
            return;
        }
        m_files.push_back(std::move(file));
    }
    void unreadable(const std::string& path, const std::string& reason) override {
        note(FolderRecipeNote::Kind::Unreadable, path, reason);
    }
    void skipped(const std::string& path, const std::string& reason) override {
        note(FolderRecipeNote::Kind::Skipped, path, reason);
    }

  private:
    void note(FolderRecipeNote::Kind kind, const std::string& path, std::string reason) {
        m_result.notes.push_back({kind, path, std::move(reason)});
    }

    FolderRecipe& m_result;
    std::vector<FileRecipe> m_files;
};

} // namespace

std::string FolderRecipeNote::text() const {
    switch (kind) {
    case Kind::OnlyInOurs:
        return path + ": only in the first folder, left as it is";
    case Kind::OnlyInTheirs:
        return path + ": only in the second folder; a recipe cannot create a file";
    default:
        return path + ": " + reason;
    }
}

bool FolderRecipe::trouble() const {
    return failure || std::any_of(notes.begin(), notes.end(),
                                  [](const FolderRecipeNote& note) { return note.trouble(); });
}

FolderRecipe recipeBetweenFolders(const std::string& oursFolder, const std::string& theirsFolder,
                                  const XmlElement& definitionsRoot) {
    FolderRecipe result;
    RecipeCollector collector(result);
    result.failure =
        compareSeemFolders(oursFolder, theirsFolder, definitionsRoot, UiStrings(), collector);
    collector.finish();
    return result;
}

FolderRecipe recipeBetweenFolders(const SeemFolderSource& ours, const SeemFolderSource& theirs,
                                  const XmlElement& definitionsRoot) {
    FolderRecipe result;
    RecipeCollector collector(result);
    result.failure = compareSeemFolders(ours, theirs, definitionsRoot, UiStrings(), collector);
    collector.finish();
    return result;
}

} // namespace vantrel
