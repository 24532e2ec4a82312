// SPDX-License-Identifier: GPL-3.0-or-later
// The session's recipes: what the open file would give another phone, and
// what a recipe would do to it.
#include "core/session/EditingSession.h"

#include "core/recipe/RecipeMatching.h"
#include "core/recipe/RecipeSettings.h"

namespace vantrel {

std::string EditingSession::recipeSeemId() const {
    return vantrel::recipeSeemId(m_document.type(), m_document.path());
}

Recipe EditingSession::settingsRecipe() const {
    return exportRecipe({m_document.type(), m_document.typeName(), m_document.grid()},
                        recipeSeemId());
}

RecipeChanges EditingSession::changesSinceOpen() const {
    if (!m_fileOpen || m_openedBytes.size() != static_cast<std::size_t>(grid().cellCount()))
        return {};
    ByteGrid opened;
    opened.load(m_openedBytes);
    return changesBetween({m_document.type(), m_document.typeName(), opened},
                          {m_document.type(), m_document.typeName(), m_document.grid()},
                          recipeSeemId());
}

RecipeReview EditingSession::reviewRecipe(const Recipe& recipe) const {
    const RecipeIndex index(recipe);
    const RecipeMatch match =
        matchRecipeToFile(index, {m_document.path(), vantrel::recipeSeemId(m_document.type(), "")},
                          m_document.definitions().root());
    if (match.refusal) {
        RecipeReview review;
        review.refusal = match.refusal;
        return review;
    }
    return reviewRecipeEntries(recipe, match.entries,
                               {m_document.type(), m_document.typeName(), m_document.grid()});
}

std::vector<std::string> EditingSession::applyReviewed(const RecipeReview& review,
                                                       const std::vector<std::size_t>& rows) {
    if (review.refusal)
        return {review.refusal->text(strings())};
    if (!review.refused.empty())
        return review.refused;
    const std::vector<RecipeEntry> chosen = review.chosenEntries(rows);
    if (chosen.empty())
        return {};
    return applyRecipe(chosen);
}

} // namespace vantrel
