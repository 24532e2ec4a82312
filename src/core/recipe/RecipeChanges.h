// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/UiMessage.h"
#include "core/recipe/Recipe.h"
#include "core/recipe/RecipeSettings.h"

#include <optional>
#include <string>
#include <vector>

// What the user changed in a file, as a recipe to carry to another phone:
// the settings only, since bytes no setting describes may belong to one phone.
namespace vantrel {

struct RecipeChanges {
    // One entry per changed setting, each with the value it replaced as "from".
    Recipe recipe;
    // The changed cells no setting describes, in order: not carried.
    std::vector<int> uncarriedCells;
};

// The changes that turned before into now (the same file, as opened and as it
// is), its entries naming seem.
[[nodiscard]] RecipeChanges changesBetween(const RecipeTarget& before, const RecipeTarget& now,
                                           const std::string& seem);

// What a face says of the cells left out ("... cells 12, 13"), if any.
[[nodiscard]] std::optional<UiMessage> uncarriedCellsMessage(const RecipeChanges& changes);

} // namespace vantrel
