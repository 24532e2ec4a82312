// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recipe/RecipeChanges.h"

namespace vantrel {

RecipeChanges changesBetween(const RecipeTarget& before, const RecipeTarget& now,
                             const std::string& seem) {
    RecipeChanges changes;
    Recipe between;
    if (!recipeBetween(before, now, seem, between))
        return changes;
    for (RecipeEntry& entry : between.entries) {
        if (entry.kind != SettingKind::Bytes) {
            changes.recipe.entries.push_back(std::move(entry));
            continue;
        }
        const int count = static_cast<int>((entry.value.size() + 1) / 3);
        for (int cell = entry.offset; cell < entry.offset + count; ++cell)
            changes.uncarriedCells.push_back(cell);
    }
    return changes;
}

std::optional<UiMessage> uncarriedCellsMessage(const RecipeChanges& changes) {
    if (changes.uncarriedCells.empty())
        return std::nullopt;
    std::string cells;
    for (int cell : changes.uncarriedCells)
        cells += (cells.empty() ? "" : ", ") + std::to_string(cell);
    return UiMessage{UiString::RecipeCellsNotCarried, {cells}, MessageIcon::Information};
}

} // namespace vantrel
