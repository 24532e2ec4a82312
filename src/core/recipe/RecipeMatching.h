// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/UiMessage.h"
#include "core/recipe/Recipe.h"
#include "core/xml/XmlDocument.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Which file takes which entries of a recipe. A recipe names a file by its
// type's ID, so a renamed copy ("0032_0001 (1).seem") still takes it;
// recipes made before, which named a file by its name, still find it by name.
namespace vantrel {

// The seem ID a recipe names a file by: the ID of its type (found by size, as
// when opening), else, for a file no type matches, its name without folder
// and extension.
[[nodiscard]] std::string recipeSeemId(const XmlElement& type, const std::string& path);

// A recipe's entries grouped by seem ID (ignoring case), built once: finding
// one file's entries costs a look-up, not a pass over the whole recipe.
class RecipeIndex {
  public:
    explicit RecipeIndex(const Recipe& recipe);

    [[nodiscard]] const Recipe& recipe() const { return *m_recipe; }
    // The indices of the entries naming seem, in recipe order; empty when none.
    [[nodiscard]] const std::vector<std::size_t>& entriesOf(std::string_view seem) const;
    // Each seem the recipe names, as first written, in order of appearance.
    [[nodiscard]] const std::vector<std::string>& seems() const { return m_seems; }
    [[nodiscard]] std::vector<RecipeEntry> entries(const std::vector<std::size_t>& indices) const;

  private:
    const Recipe* m_recipe;
    std::unordered_map<std::string, std::vector<std::size_t>> m_bySeem; // lower-case keys
    std::vector<std::string> m_seems;
};

// A file as the matching sees it: its path (or name) and its type's ID ("" when
// no type matches).
struct RecipeFile {
    std::string path;
    std::string typeId;
};

struct RecipeMatch {
    std::vector<std::size_t> entries; // indices into the recipe, in its order
    // Why the file takes nothing: the recipe is for a type this file is not
    // of, or holds nothing for it.
    std::optional<UiMessage> refusal;
};

// A file named alone (the open file of a face, the one target of apply): the
// entries naming its type ID, else its name. A recipe about one seem only
// that names neither goes to the file too when that seem is no type ID of
// definitionsRoot (a recipe made before recipes named types, from a renamed
// copy); when it is another type's ID the file is refused, naming the file,
// the recipe's ID and the file's type.
[[nodiscard]] RecipeMatch matchRecipeToFile(const RecipeIndex& index, const RecipeFile& file,
                                            const XmlElement& definitionsRoot);

struct FolderRecipeMatch {
    // For each file given, the indices of the entries it takes.
    std::vector<std::vector<std::size_t>> entriesByFile;
    // The seems (as written in the recipe) that found no file.
    std::vector<std::string> unmatched;
};

// Files of folders: each seem of the recipe goes to the file named by it
// (ignoring case), else to the first file, in the order given, of the type
// with that ID; never to two files.
[[nodiscard]] FolderRecipeMatch matchRecipeToFolder(const RecipeIndex& index,
                                                    const std::vector<RecipeFile>& files);

// One file's recipe as it is made: its entries name the file's seem ID.
struct FileRecipe {
    std::string path;
    std::string typeId; // "" when no type matches
    Recipe recipe;
};

// The recipes of several files in one. Where two of the files share a type
// (copies, not a phone's folder), each is named by its name instead of the
// type's ID, so that neither file's entries land on the other.
[[nodiscard]] Recipe joinFileRecipes(std::vector<FileRecipe> files);

} // namespace vantrel
