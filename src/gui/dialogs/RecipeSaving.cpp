// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/RecipeSaving.h"

#include "core/files/SeemFile.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "core/recipe/RecipeJson.h"
#include "desktop/files/FileDialogOptions.h"
#include "desktop/files/FileFilter.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/i18n/UiText.h"

namespace vantrel {

std::optional<QString> saveRecipeAs(QWidget* owner, const UiStrings& strings, const QString& title,
                                    const std::string& name, const Recipe& recipe) {
    StandardDialog dialog;
    dialog.setOwner(owner);
    dialog.setTitle(title);
    dialog.setFilter(uiText(strings, UiString::RecipeFilter));
    dialog.setOptions(FileDialogOption::ConfirmOverwrite | FileDialogOption::HideReadOnly);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    dialog.setFileName(pathText(name) + QStringLiteral(".json"));
    dialog.show(StandardDialog::Action::Save);
    // Apply Settings lists *.json: a recipe saved under a bare name gets that.
    const QString chosen = pathText(withDefaultSuffix(dialog.fileName().toStdString(), "json"));
    if (chosen.isEmpty())
        return std::nullopt;
    const std::string json = recipeToJson(recipe);
    if (const auto failure = writeFileAtomically(chosen.toStdString(), {json.begin(), json.end()}))
        return chosen + QStringLiteral(": ") + uiText(failure->message);
    return uiText(strings, UiString::RecipeExported, {chosen.toStdString()});
}

} // namespace vantrel
