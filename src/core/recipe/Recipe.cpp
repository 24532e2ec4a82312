// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recipe/Recipe.h"

#include "core/recipe/RecipeMatching.h"

#include <filesystem>

namespace vantrel {

std::string seemIdOfPath(const std::string& path) {
    return std::filesystem::path(path).stem().string();
}

std::vector<RecipeEntry> entriesForFile(const Recipe& recipe, const std::string& path,
                                        bool anyName) {
    const RecipeIndex index(recipe);
    const auto& named = index.entriesOf(seemIdOfPath(path));
    if (named.empty() && anyName && index.seems().size() == 1)
        return recipe.entries;
    return index.entries(named);
}

} // namespace vantrel
