// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/RecipeReviewDialog.h"

#include "core/recipe/RecipeJson.h"
#include "gui/TestSession.h"
#include "gui/dialogs/ScriptedDialogs.h"
#include "gui/dialogs/StandardDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(RecipeReviewDialogTest, EachTickIsNamedWithTheSettingBothValuesAndWhereThisPhoneDiffers) {
    testing::TestSession test;
    ScriptedDialogs dialogs;
    StandardDialog::setAnswerer(&dialogs);
    ASSERT_FALSE(test.session.loadDefinitions(std::string(VANTREL_DATA_DIR) + "/seem_en.xml"));
    ASSERT_TRUE(
        test.session.open(std::string(VANTREL_DATA_DIR) + "/samples/0a1c_0001.seem").opened);
    Recipe recipe = test.session.settingsRecipe();
    recipe.entries.resize(2);
    RecipeEntry& changed = recipe.entries[1];
    const std::string held = changed.value;
    changed.value = held == "1" ? "2" : "1";
    changed.from = held == "3" ? "4" : "3";

    RecipeReviewDialog dialog(test.session);
    dialog.pasteEdit()->setPlainText(QString::fromStdString(recipeToJson(recipe)));
    dialog.reviewPastedButton()->click();
    ASSERT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(dialog.ticks().size(), 2);
    const QCheckBox* tick = dialog.ticks()[1];
    const QString name = tick->accessibleName();
    for (const std::string& word : {changed.path, held, changed.value, *changed.from})
        EXPECT_TRUE(name.contains(QString::fromStdString(word))) << name.toStdString();
    EXPECT_TRUE(tick->isChecked());
    EXPECT_FALSE(dialog.ticks()[0]->isChecked()); // the file holds it already
    // The mark is on screen beside each box, not only in its name.
    for (int row = 0; row < 2; ++row) {
        const auto* mark = dialog.findChild<QLabel*>(QStringLiteral("lblRecipeMark%1").arg(row));
        ASSERT_NE(mark, nullptr);
        EXPECT_TRUE(dialog.ticks()[row]->accessibleName().endsWith(mark->text()));
    }
    EXPECT_TRUE(dialog.applyButton()->isEnabled());
    dialog.ticks()[1]->setChecked(false);
    EXPECT_FALSE(dialog.applyButton()->isEnabled()); // nothing left to apply
}

} // namespace
} // namespace vantrel
