// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace vantrel {

class UiStrings;
struct Recipe;

// Asks where to save recipe, in a Save dialog titled title that proposes
// name + ".json", and writes it there as JSON. Gives what the user is told:
// where the recipe went or why it could not be written; nothing when the user
// cancelled.
[[nodiscard]] std::optional<QString> saveRecipeAs(QWidget* owner, const UiStrings& strings,
                                                  const QString& title, const std::string& name,
                                                  const Recipe& recipe);

} // namespace vantrel
