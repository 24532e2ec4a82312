// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/UiMessage.h"
#include "core/recipe/Recipe.h"
#include "core/recipe/RecipeSettings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// A recipe looked over before it is applied: one row per entry meant for the
// file, with this file's value beside the recipe's, so the user can leave an
// entry out and see where this phone differs from the one the recipe was
// made from. Every face shows these rows and words; none decides them.
namespace vantrel {

struct RecipeReviewRow {
    std::size_t entry = 0; // its index among the recipe's entries
    RecipeEntry recipeEntry;
    std::string setting; // entrySettingText: "Keys/Sound", "title", "bytes at 23"
    std::string current; // this file's value, in entryValueText's words
    std::string wanted;  // the recipe's value, in the same words
    std::optional<std::string> from;
    // The file holds the recipe's value already: shown, and unticked.
    bool alreadyAtValue = false;
    // The recipe was made from another value than this file holds.
    bool fromDiffers = false;
    bool ticked = true;
};

struct RecipeReview {
    std::vector<RecipeReviewRow> rows;
    // Entries this file cannot take (a setting it does not have, a value out
    // of range), each naming its entry: while there are any, nothing applies.
    std::vector<std::string> refused;
    // The recipe holds nothing for this file, or is for another type.
    std::optional<UiMessage> refusal;

    [[nodiscard]] bool canApply() const { return !refusal && refused.empty(); }
    // The rows ticked by default, for a face without choices (scenarios, apply).
    [[nodiscard]] std::vector<std::size_t> tickedRows() const;
    // The entries of the chosen rows, in the recipe's order.
    [[nodiscard]] std::vector<RecipeEntry>
    chosenEntries(const std::vector<std::size_t>& rows) const;
};

// The review of the recipe's entries at indices (those meant for file), each
// tried alone on a copy of the file's cells.
[[nodiscard]] RecipeReview reviewRecipeEntries(const Recipe& recipe,
                                               const std::vector<std::size_t>& indices,
                                               const RecipeTarget& file);

// "Keys/Sound: on → off".
[[nodiscard]] std::string reviewRowText(const UiStrings& strings, const RecipeReviewRow& row);
// "already off", "this phone has off; the recipe was made from on", or "".
[[nodiscard]] std::string reviewMarkText(const UiStrings& strings, const RecipeReviewRow& row);
// The tick box's name for a screen reader: the setting and both values, then the mark.
[[nodiscard]] std::string reviewTickName(const UiStrings& strings, const RecipeReviewRow& row);

} // namespace vantrel
