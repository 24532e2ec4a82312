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

    void onlyIn(FolderSide side, const std::string& name) override {
        note(side == FolderSide::Ours ? FolderRecipeNote::Kind::OnlyInOurs
                                      : FolderRecipeNote::Kind::OnlyInTheirs,
             name, {});
    }
    void changed(const ChangedPair& pair) override {
        Recipe between;
        const RecipeTarget ours{pair.ours.type, pair.ours.typeName, pair.ours.grid};
        const RecipeTarget theirs{pair.theirs.type, pair.theirs.typeName, pair.theirs.grid};
        if (!recipeBetween(ours, theirs, recipeSeemId(pair.ours.type, pair.oursName), between)) {
            note(FolderRecipeNote::Kind::SizeDiffers, pair.oursName,
                 "the files differ in size; a recipe cannot change a size");
            return;
        }
        auto& entries = m_result.recipe.entries;
        entries.insert(entries.end(), std::make_move_iterator(between.entries.begin()),
                       std::make_move_iterator(between.entries.end()));
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
    return result;
}

FolderRecipe recipeBetweenFolders(const SeemFolderSource& ours, const SeemFolderSource& theirs,
                                  const XmlElement& definitionsRoot) {
    FolderRecipe result;
    RecipeCollector collector(result);
    result.failure = compareSeemFolders(ours, theirs, definitionsRoot, UiStrings(), collector);
    return result;
}

} // namespace vantrel
