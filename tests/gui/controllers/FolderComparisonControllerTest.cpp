// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controllers/FolderComparisonController.h"

#include "TempDir.h"
#include "gui/TestSession.h"
#include "gui/dialogs/ScriptedDialogs.h"
#include "gui/dialogs/StandardDialog.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
    void write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    }

    void open(const std::string& name) {
        ASSERT_TRUE(test.session.open(path(name).toStdString()).opened);
    }

    QWidget window;
    testing::TestSession test;
    const SeemDocument& document = test.session.document();
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

TEST_F(FolderComparisonControllerTest, ApplyIsOneUndoStepAndAFaultyRecipeChangesNothing) {
    EXPECT_FALSE(controller->applyAction()->isEnabled());
    open("a/0a1c_0001.seem");
    ASSERT_TRUE(controller->applyAction()->isEnabled());
    const auto original = document.grid().bytes();
    write("good.json", R"({"version": 1, "entries": [
        {"seem": "0a1c_0001", "volume": "Microphone", "value": 6},
        {"seem": "0a1c_0001", "volume": "System Tones", "value": 2}]})");
    write("bad.json", R"({"version": 1, "entries": [
        {"seem": "0a1c_0001", "volume": "Microphone", "value": 6},
        {"seem": "0a1c_0001", "volume": "System Tones", "value": 99}]})");

    dialogs.openFiles = {path("bad.json")};
    controller->applyAction()->trigger();
    EXPECT_EQ(document.grid().bytes(), original);
    EXPECT_FALSE(document.canUndo());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports.back().contains(QStringLiteral("System Tones = 99")));

    dialogs.openFiles = {path("good.json")};
    controller->applyAction()->trigger();
    EXPECT_NE(document.grid().bytes(), original);
    EXPECT_TRUE(reports.back().startsWith(QStringLiteral("2 ")));
    test.session.undo();
    EXPECT_EQ(document.grid().bytes(), original);
    EXPECT_FALSE(document.canUndo());
}

TEST_F(FolderComparisonControllerTest, ExportWritesARecipeThatApplyFindsUnchanged) {
    open("a/0d51_0001.seem");
    dialogs.saveFiles = {path("colours")}; // typed without an extension
    controller->exportAction()->trigger();
    ASSERT_TRUE(fs::exists(folder / "colours.json"));
    EXPECT_EQ(dialogs.fileRequests.back().defaultSuffix, "json");
    dialogs.openFiles = {path("colours.json")};
    controller->applyAction()->trigger();
    EXPECT_FALSE(document.isModified());
    EXPECT_FALSE(document.canUndo());
}

} // namespace
} // namespace vantrel
