// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recipe/Recipe.h"

#include "core/settings/SettingsStore.h"

#include <filesystem>
#include <set>

namespace vantrel {

std::string seemIdOfPath(const std::string& path) {
    return std::filesystem::path(path).stem().string();
}

std::vector<RecipeEntry> entriesForFile(const Recipe& recipe, const std::string& path,
                                        bool anyName) {
    const std::string seem = toLowerAscii(seemIdOfPath(path));
    std::vector<RecipeEntry> entries;
    std::set<std::string> seems;
    for (const RecipeEntry& entry : recipe.entries) {
        seems.insert(toLowerAscii(entry.seem));
        if (toLowerAscii(entry.seem) == seem)
            entries.push_back(entry);
    }
    if (entries.empty() && anyName && seems.size() == 1)
        return recipe.entries;
    return entries;
}

} // namespace vantrel
