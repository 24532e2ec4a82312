// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recipe/RecipeMatching.h"

#include "core/settings/SettingsStore.h"

#include <algorithm>

namespace vantrel {

namespace {

bool isTypeId(const XmlElement& root, const std::string& lowerId) {
    for (const XmlElement& type : root.children()) {
        if (toLowerAscii(type.attribute("ID").value_or("")) == lowerId)
            return true;
    }
    return false;
}

} // namespace

std::string recipeSeemId(const XmlElement& type, const std::string& path) {
    if (type) {
        if (std::string id = type.attribute("ID").value_or(""); !id.empty())
            return id;
    }
    // No type: the name is all that tells the file apart.
    return seemIdOfPath(path);
}

RecipeIndex::RecipeIndex(const Recipe& recipe) : m_recipe(&recipe) {
    for (std::size_t i = 0; i < recipe.entries.size(); ++i) {
        auto& indices = m_bySeem[toLowerAscii(recipe.entries[i].seem)];
        if (indices.empty())
            m_seems.push_back(recipe.entries[i].seem);
        indices.push_back(i);
    }
}

const std::vector<std::size_t>& RecipeIndex::entriesOf(std::string_view seem) const {
    static const std::vector<std::size_t> none;
    const auto found = m_bySeem.find(toLowerAscii(std::string(seem)));
    return found == m_bySeem.end() ? none : found->second;
}

std::vector<RecipeEntry> RecipeIndex::entries(const std::vector<std::size_t>& indices) const {
    std::vector<RecipeEntry> result;
    result.reserve(indices.size());
    for (std::size_t i : indices)
        result.push_back(m_recipe->entries[i]);
    return result;
}

RecipeMatch matchRecipeToFile(const RecipeIndex& index, const RecipeFile& file,
                              const XmlElement& definitionsRoot) {
    RecipeMatch match;
    const std::string name = seemIdOfPath(file.path);
    std::string seem = file.typeId;
    if (seem.empty() || index.entriesOf(seem).empty())
        seem = name;
    if (index.entriesOf(seem).empty() && index.seems().size() == 1)
        seem = index.seems().front();
    if (index.entriesOf(seem).empty()) {
        match.refusal = UiMessage{UiString::RecipeNothingForFile, {name}};
        return match;
    }
    // Named by another type's ID, the entries would land on the wrong bytes.
    const std::string lowerSeem = toLowerAscii(seem);
    if (lowerSeem != toLowerAscii(file.typeId) && isTypeId(definitionsRoot, lowerSeem)) {
        match.refusal = file.typeId.empty()
                            ? UiMessage{UiString::RecipeFileWithoutType, {name, seem}}
                            : UiMessage{UiString::RecipeWrongType, {name, seem, file.typeId}};
        return match;
    }
    match.entries = index.entriesOf(seem);
    return match;
}

FolderRecipeMatch matchRecipeToFolder(const RecipeIndex& index,
                                      const std::vector<RecipeFile>& files) {
    FolderRecipeMatch match;
    match.entriesByFile.resize(files.size());
    std::unordered_map<std::string, std::size_t> byName;
    std::unordered_map<std::string, std::size_t> byType;
    for (std::size_t i = files.size(); i-- > 0;) {
        byName[toLowerAscii(seemIdOfPath(files[i].path))] = i;
        if (!files[i].typeId.empty())
            byType[toLowerAscii(files[i].typeId)] = i;
    }
    for (const std::string& seem : index.seems()) {
        const std::string key = toLowerAscii(seem);
        std::optional<std::size_t> file;
        if (const auto named = byName.find(key); named != byName.end())
            file = named->second;
        else if (const auto typed = byType.find(key); typed != byType.end())
            file = typed->second;
        if (!file) {
            match.unmatched.push_back(seem);
            continue;
        }
        auto& taken = match.entriesByFile[*file];
        const auto& entries = index.entriesOf(seem);
        taken.insert(taken.end(), entries.begin(), entries.end());
    }
    // A file may take two seems (its name's and its type's): entries keep the recipe's order.
    for (auto& taken : match.entriesByFile)
        std::sort(taken.begin(), taken.end());
    return match;
}

Recipe joinFileRecipes(std::vector<FileRecipe> files) {
    std::unordered_map<std::string, int> filesOfType;
    for (const FileRecipe& file : files) {
        if (!file.typeId.empty())
            ++filesOfType[toLowerAscii(file.typeId)];
    }
    Recipe joined;
    for (FileRecipe& file : files) {
        const bool shared = !file.typeId.empty() && filesOfType[toLowerAscii(file.typeId)] > 1;
        for (RecipeEntry& entry : file.recipe.entries) {
            if (shared)
                entry.seem = seemIdOfPath(file.path);
            joined.entries.push_back(std::move(entry));
        }
    }
    return joined;
}

} // namespace vantrel
