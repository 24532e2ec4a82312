// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/FolderComparisonController.h"

#include "TempDir.h"
#include "core/recipe/RecipeJson.h"
#include "gui/TestSession.h"
#include "gui/dialogs/ScriptedDialogs.h"
#include "gui/dialogs/StandardDialog.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

class FolderComparisonControllerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(fs::path(VANTREL_DATA_DIR) / "samples", folder / "a");
        fs::copy(fs::path(VANTREL_DATA_DIR) / "samples", folder / "b");
        ASSERT_FALSE(test.session.loadDefinitions(definitions()));
        StandardDialog::setAnswerer(&dialogs);
        controller = std::make_unique<FolderComparisonController>(
            test.session,
            FolderComparisonController::Callbacks{
                [] { return definitions(); },
                [this](const QString& file, const QString& other) {
                    opened = {file, other};
                },
                [this](const QString& text) { reports.push_back(text); }},
            &window);
    }
    void TearDown() override {
        controller.reset();
        fs::remove_all(folder);
    }

    static std::string definitions() { return std::string(VANTREL_DATA_DIR) + "/seem_en.xml"; }
    QString path(const std::string& name) const {
        return QString::fromStdString((folder / name).string());
    }
    QWidget window;
    testing::TestSession test;
    ScriptedDialogs dialogs;
    std::unique_ptr<FolderComparisonController> controller;
    QStringList opened;
    std::vector<QString> reports;
    vantrel::testing::TempDir folders;
    fs::path folder = folders.path();
};

TEST_F(FolderComparisonControllerTest, ChangedFilesAreListedAndOpenComparedWithTheirPartner) {
    {
        std::fstream file(folder / "b" / "0a1c_0001.seem",
                          std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(0);
        file.put('\x7f');
    }
    fs::remove(folder / "b" / "004a_0001.seem");
    fs::create_directory(folder / "b" / "box.seem");
    dialogs.folders = {path("a"), path("b")};
    controller->compareFoldersAction()->trigger();
    QListWidget* list = controller->changedFiles();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 4);
    EXPECT_TRUE(list->item(3)->text().startsWith(path("b/box.seem") + QStringLiteral(": skipped")));
    EXPECT_EQ(list->item(0)->text(), "0a1c_0001.seem: 1 difference");
    EXPECT_FALSE(list->accessibleName().isEmpty());
    // The changed setting is listed under its file as the pair reads once
    // opened: the newer file's value first, then the older one's.
    const QString line = list->item(1)->text();
    const qsizetype arrow = line.indexOf(QStringLiteral(" → "));
    const QRegularExpression newer(QStringLiteral("\\b(127|7F)\\b"));
    EXPECT_TRUE(line.left(arrow).contains(newer)) << line.toStdString();
    EXPECT_FALSE(line.mid(arrow).contains(newer)) << line.toStdString();
    EXPECT_TRUE(list->window()->isVisible());
    EXPECT_GE(list->window()->width(), window.width() / 2);
    // How to open a pair is said on screen and to a screen reader.
    const auto* hint = list->window()->findChild<QLabel*>(QStringLiteral("lblChangedFilesHint"));
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(list->accessibleDescription(), hint->text());

    // Enter opens the newer file, compared with the older one.
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(opened, (QStringList{path("b/0a1c_0001.seem"), path("a/0a1c_0001.seem")}));
    opened.clear();
    emit list->itemActivated(list->item(1)); // a setting's line opens its file's pair
    EXPECT_EQ(opened.size(), 2);
    opened.clear();
    emit list->itemActivated(list->item(2)); // an "Only in" line opens nothing
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(FolderComparisonControllerTest, DifferencesAreSavedAsARecipeWithWhatItCannotCarry) {
    {
        std::fstream file(folder / "b" / "0a1c_0001.seem",
                          std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(0x0C);
        file.put('\x02');
    }
    fs::remove(folder / "b" / "004a_0001.seem");
    dialogs.folders = {path("a"), path("b")};
    controller->compareFoldersAction()->trigger();
    QPushButton* save = controller->saveRecipeButton();
    ASSERT_NE(save, nullptr);
    ASSERT_TRUE(save->isEnabled());
    dialogs.saveFiles = {path("b.json")};
    save->click();
    EXPECT_EQ(dialogs.fileRequests.back().presetFileName, "b.json");
    std::ostringstream text;
    text << std::ifstream(folder / "b.json", std::ios::binary).rdbuf();
    const RecipeParse written = parseGivenRecipe(text.str());
    ASSERT_TRUE(written.ok());
    ASSERT_EQ(written.recipe.entries.size(), 1u);
    EXPECT_EQ(written.recipe.entries[0].seem, "0a1c_0001");
    // The file only in the first folder is named in what the user is told.
    ASSERT_FALSE(reports.empty());
    EXPECT_TRUE(reports.back().contains(QStringLiteral("004a_0001.seem")))
        << reports.back().toStdString();
}

} // namespace
} // namespace vantrel
