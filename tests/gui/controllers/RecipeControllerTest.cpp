// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/RecipeController.h"

#include "TempDir.h"
#include "core/recipe/RecipeJson.h"
#include "gui/ModalAnswer.h"
#include "gui/TestSession.h"
#include "gui/dialogs/RecipeReviewDialog.h"
#include "gui/dialogs/ScriptedDialogs.h"
#include "gui/dialogs/StandardDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::ModalAnswer;

class RecipeControllerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(test.session.loadDefinitions(std::string(VANTREL_DATA_DIR) + "/seem_en.xml"));
        StandardDialog::setAnswerer(&dialogs);
    }

    void open(const std::string& sample) {
        fs::copy(fs::path(VANTREL_DATA_DIR) / "samples" / sample, folder.path() / sample);
        ASSERT_TRUE(test.session.open(folder / sample).opened);
    }
    QString path(const std::string& name) const { return QString::fromStdString(folder / name); }
    RecipeParse readRecipe(const std::string& name) const {
        std::ostringstream text;
        text << std::ifstream(folder / name, std::ios::binary).rdbuf();
        return parseGivenRecipe(text.str());
    }
    // The volume file's first three settings: the first as the file holds
    // it, the next two changed, the third from a value the file does not have.
    Recipe volumeRecipe() const {
        Recipe recipe = test.session.settingsRecipe();
        recipe.entries.resize(3);
        for (RecipeEntry* entry : {&recipe.entries[1], &recipe.entries[2]}) {
            entry->from = entry->value;
            entry->value = entry->value == "1" ? "2" : "1";
        }
        recipe.entries[2].from = recipe.entries[2].value == "3" ? "4" : "3";
        return recipe;
    }

    QWidget window;
    testing::TestSession test;
    ScriptedDialogs dialogs;
    RecipeController controller{test.session, window};
    testing::TempDir folder;
};

TEST_F(RecipeControllerTest, ExportChangesWritesOnlyTheChangedSettingsWithTheirFormerValues) {
    EXPECT_FALSE(controller.exportChangesAction()->isEnabled());
    open("0032_0001.seem");
    ASSERT_TRUE(controller.exportChangesAction()->isEnabled());
    controller.exportChangesAction()->trigger(); // nothing changed yet: said, nothing asked
    EXPECT_TRUE(dialogs.fileRequests.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, test.str(UiString::RecipeNoChanges));

    const auto& keys = test.session.model().functions.children.at(0).children;
    for (std::size_t i = 0; i < 3; ++i)
        ASSERT_FALSE(test.session.toggleSwitch(keys.at(i).key));
    dialogs.saveFiles = {path("changes.json")};
    controller.exportChangesAction()->trigger();
    EXPECT_EQ(dialogs.fileRequests.back().presetFileName, "0032_0001.json");
    const RecipeParse written = readRecipe("changes.json");
    ASSERT_TRUE(written.ok());
    ASSERT_EQ(written.recipe.entries.size(), 3u);
    for (const RecipeEntry& entry : written.recipe.entries) {
        EXPECT_EQ(entry.seem, "0032_0001");
        ASSERT_TRUE(entry.from);
        EXPECT_NE(*entry.from, entry.value);
    }
    EXPECT_TRUE(dialogs.messages.back().text.contains(path("changes.json")));
}

TEST_F(RecipeControllerTest, AnEntryUntickedByKeyboardIsLeftOutAndTheApplyIsOneUndoStep) {
    open("0a1c_0001.seem");
    const Recipe original = test.session.settingsRecipe();
    const Recipe recipe = volumeRecipe();
    std::ofstream(folder / "volumes.json") << recipeToJson(recipe);
    dialogs.openFiles = {path("volumes.json")};
    ModalAnswer<RecipeReviewDialog> answer([](RecipeReviewDialog& dialog) {
        dialog.chooseFileButton()->click();
        ASSERT_EQ(dialog.ticks().size(), 3);
        // The first is held already; Tab, Tab and Space untick the third.
        EXPECT_FALSE(dialog.ticks()[0]->isChecked());
        ASSERT_EQ(dialog.focusWidget(), dialog.ticks()[0]);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
        EXPECT_FALSE(dialog.ticks()[2]->isChecked());
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    controller.applyAction()->trigger();

    const Recipe applied = test.session.settingsRecipe();
    EXPECT_EQ(applied.entries[1].value, recipe.entries[1].value);
    EXPECT_EQ(applied.entries[2].value, original.entries[2].value);
    EXPECT_TRUE(dialogs.messages.back().text.startsWith(QStringLiteral("1 ")));
    test.session.undo();
    EXPECT_EQ(test.session.settingsRecipe().entries, original.entries);
    EXPECT_FALSE(test.session.document().canUndo());
}

TEST_F(RecipeControllerTest, APastedMalformedRecipeIsRefusedAndNothingChanges) {
    open("0a1c_0001.seem");
    const auto before = test.session.grid().bytes();
    ModalAnswer<RecipeReviewDialog> answer([](RecipeReviewDialog& dialog) {
        dialog.pasteEdit()->setPlainText(QStringLiteral(
            R"({"version": 1, "entries": [{"seem": "0a1c_0001", "volume": "Microphone"}]})"));
        dialog.reviewPastedButton()->click();
        EXPECT_TRUE(dialog.ticks().isEmpty());
        EXPECT_FALSE(dialog.applyButton()->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    controller.applyAction()->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const QString& message = dialogs.messages[0].text;
    EXPECT_TRUE(message.startsWith(test.str(UiString::RecipePastedUnusable)));
    EXPECT_TRUE(message.contains(QStringLiteral("entry 1")));
    EXPECT_EQ(test.session.grid().bytes(), before);
    EXPECT_FALSE(test.session.document().canUndo());
}

TEST_F(RecipeControllerTest, AnEntryTheFileCannotTakeIsRefusedWithoutApply) {
    open("0a1c_0001.seem");
    Recipe recipe = volumeRecipe();
    recipe.entries[2].value = "99";
    std::ofstream(folder / "bad.json") << recipeToJson(recipe);
    dialogs.openFiles = {path("bad.json")};
    ModalAnswer<RecipeReviewDialog> answer([](RecipeReviewDialog& dialog) {
        dialog.chooseFileButton()->click();
        EXPECT_TRUE(dialog.ticks().isEmpty());
        EXPECT_FALSE(dialog.applyButton()->isEnabled());
    });
    controller.applyAction()->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(test.str(UiString::RecipeRefused)));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("= 99")));
    EXPECT_FALSE(test.session.document().canUndo());
}

TEST_F(RecipeControllerTest, ExportedSettingsAreNamedByTypeAndReviewAsAlreadyHeld) {
    open("0d51_0001.seem");
    fs::rename(folder / "0d51_0001.seem", folder / "mine.seem");
    ASSERT_TRUE(test.session.open(folder / "mine.seem").opened);
    dialogs.saveFiles = {path("colours")}; // typed without an extension
    controller.exportSettingsAction()->trigger();
    EXPECT_EQ(dialogs.fileRequests.back().presetFileName, "0d51_0001.json");
    EXPECT_EQ(dialogs.fileRequests.back().defaultSuffix, "json");
    ASSERT_TRUE(readRecipe("colours.json").ok());
    EXPECT_EQ(readRecipe("colours.json").recipe.entries.at(0).seem, "0d51_0001");

    dialogs.openFiles = {path("colours.json")};
    ModalAnswer<RecipeReviewDialog> answer([](RecipeReviewDialog& dialog) {
        dialog.chooseFileButton()->click();
        ASSERT_FALSE(dialog.ticks().isEmpty());
        for (const QCheckBox* tick : dialog.ticks())
            EXPECT_FALSE(tick->isChecked());
        EXPECT_FALSE(dialog.applyButton()->isEnabled());
    });
    controller.applyAction()->trigger();
    EXPECT_FALSE(test.session.document().isModified());
    EXPECT_FALSE(test.session.document().canUndo());
}

} // namespace
} // namespace vantrel
