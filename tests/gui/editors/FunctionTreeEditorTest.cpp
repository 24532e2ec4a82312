// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/FunctionTreeEditor.h"

#include "gui/TestSession.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {
namespace {

const char* const kDefinitions = R"(<seems><seem ID="fn" size="32" type="function" tip="Phone">
    <f ID="Keys" tip="key settings">
        <s ID="Sound" offset="1A" bit="0" tip="key click"/>
        <s ID="Vibrate" offset="1a" bit="1" tip=""/>
    </f>
    <s ID="Light" offset="2" bit="7"/>
</seem></seems>)";

std::vector<std::uint8_t> fileBytes() {
    std::vector<std::uint8_t> bytes(32, 0);
    bytes[0x1A] = 0xA5;
    return bytes;
}

// The tree in a window beside a stand-in for the hex grid, wired the way the
// main window wires them: a focus request shows the cell, the tree keeps the focus.
class FunctionTreeEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test.open(kDefinitions, fileBytes());

        auto* layout = new QVBoxLayout(&window);
        tree = new FunctionTreeEditor(test.session, &window);
        gridStandIn = new QLineEdit(&window);
        layout->addWidget(tree);
        layout->addWidget(gridStandIn);
        QObject::connect(tree, &FunctionTreeEditor::cellFocusRequested, gridStandIn,
                         [this](int index) { test.session.focusCell(index); });
        window.resize(300, 400);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

        tree->load();
        tree->expandAll();
    }

    QTreeWidgetItem* item(const char* key) const {
        QTreeWidgetItem* found = tree->itemByKey(QString::fromLatin1(key));
        EXPECT_NE(found, nullptr) << key;
        return found;
    }

    // A point on the item's on/off image, at the left of its row.
    QPoint imageOf(const char* key) const {
        const QRect row = tree->visualItemRect(item(key));
        return {row.left() + tree->style()->pixelMetric(QStyle::PM_SmallIconSize) / 2 + 4,
                row.center().y()};
    }

    // The row as a screen reader finds it in the tree.
    QAccessibleInterface* accessibleRow(const QString& name) const {
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(tree);
        for (int i = 0; i < view->childCount(); ++i) {
            if (view->child(i)->text(QAccessible::Name) == name)
                return view->child(i);
        }
        return nullptr;
    }

    void click(const char* key, Qt::MouseButton button = Qt::LeftButton) {
        const QPoint centre = tree->visualItemRect(item(key)).center();
        QTest::mouseClick(tree->viewport(), button, Qt::NoModifier, centre);
    }

    QString str(UiString id) const { return test.str(id); }

    testing::TestSession test;
    const ByteGrid& grid = test.grid();
    QWidget window;
    FunctionTreeEditor* tree = nullptr;
    QLineEdit* gridStandIn = nullptr;
};

TEST_F(FunctionTreeEditorTest, ShowsTheDefinitionsWithTheirImages) {
    EXPECT_EQ(tree->objectName(), "tvwFuct");
    EXPECT_TRUE(tree->isHeaderHidden());
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(FunctionTreeEditor::itemKey(root), "_root");
    EXPECT_EQ(root->text(0), "Phone");
    EXPECT_EQ(root->childCount(), 2);

    EXPECT_EQ(FunctionTreeEditor::itemImageKey(root), "folder");
    EXPECT_EQ(FunctionTreeEditor::itemImageKey(item("n_1_1")), "folder");
    EXPECT_EQ(FunctionTreeEditor::itemImageKey(item("n_1A_0")), "on");
    EXPECT_EQ(FunctionTreeEditor::itemImageKey(item("n_1a_1")), "off");
    EXPECT_EQ(FunctionTreeEditor::itemImageKey(item("n_2_7")), "off");
    EXPECT_FALSE(item("n_1A_0")->icon(0).isNull());
    EXPECT_EQ(item("n_1_1")->text(0), "Keys");
}

TEST_F(FunctionTreeEditorTest, AFileOpenedAgainOpensOnlyTheRootAndSelectsNothing) {
    click("n_1A_0");
    test.session.openBytes("again.seem", fileBytes());
    EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());
    // The model was built anew, and its folder numbered further on.
    const QString folder =
        QString::fromStdString(test.session.model().functions.children.at(0).key);
    EXPECT_NE(folder, QStringLiteral("n_1_1"));
    EXPECT_FALSE(item(folder.toLatin1().constData())->isExpanded());
    EXPECT_EQ(tree->itemByKey("n_1_1"), nullptr);
    EXPECT_TRUE(tree->selectedItems().isEmpty());
    EXPECT_FALSE(tree->switchSelected());
}

TEST_F(FunctionTreeEditorTest, AMillionLevelsDeepShowsTheTopLevelsOnly) {
    constexpr int kLevels = 1'000'000;
    std::string xml = "<seems><seem ID=\"deep\" size=\"8\" type=\"function\">";
    for (int i = 0; i < kLevels; ++i)
        xml += "<f ID=\"x\">";
    for (int i = 0; i < kLevels; ++i)
        xml += "</f>";
    xml += "</seem></seems>";
    test.open(xml, std::vector<std::uint8_t>(8));
    int depth = 0;
    for (QTreeWidgetItem* item = tree->topLevelItem(0); item->childCount() > 0;
         item = item->child(0))
        ++depth;
    EXPECT_EQ(depth, kMaxFunctionTreeDepth);
}

TEST_F(FunctionTreeEditorTest, ClickingASwitchFocusesItsCellAndDescribesIt) {
    QSignalSpy focus(tree, &FunctionTreeEditor::cellFocusRequested);
    QSignalSpy info(tree, &FunctionTreeEditor::infoChanged);
    QSignalSpy state(tree, &FunctionTreeEditor::switchStateChanged);
    QSignalSpy path(tree, &FunctionTreeEditor::statusPathChanged);

    click("n_1A_0");
    ASSERT_EQ(focus.count(), 1);
    EXPECT_EQ(focus.at(0).at(0).toInt(), 26);
    EXPECT_EQ(grid.currentCell(), 26);
    EXPECT_TRUE(grid.hasBorder(26));
    EXPECT_EQ(QApplication::focusWidget(), tree);
    ASSERT_EQ(info.count(), 1);
    EXPECT_EQ(info.at(0).at(0).toString(), "[ Sound ]");
    EXPECT_EQ(info.at(0).at(1).toString(), "key click");
    ASSERT_EQ(state.count(), 1);
    EXPECT_TRUE(state.at(0).at(0).toBool());
    EXPECT_EQ(state.at(0).at(1).toString(), str(UiString::SwitchOff));
    ASSERT_EQ(path.count(), 1);
    EXPECT_EQ(path.at(0).at(0).toString(), "Location -> Keys -> Sound");
    EXPECT_TRUE(tree->switchSelected());
    EXPECT_EQ(tree->selectedKey(), "n_1A_0");

    click("n_1a_1");
    EXPECT_EQ(focus.last().at(0).toInt(), 26);
    EXPECT_EQ(info.last().at(1).toString(), str(UiString::NoDescription));
    EXPECT_EQ(state.last().at(1).toString(), str(UiString::SwitchOn));

    click("n_2_7");
    EXPECT_EQ(focus.last().at(0).toInt(), 2);
    EXPECT_FALSE(grid.hasBorder(26));
    EXPECT_TRUE(grid.hasBorder(2));
    EXPECT_EQ(info.last().at(1).toString(), str(UiString::NoDescription));
    EXPECT_EQ(path.last().at(0).toString(), "Location -> Light");
    EXPECT_EQ(focus.count(), 3);
}

TEST_F(FunctionTreeEditorTest, ClickingTheSameSwitchAgainRunsAgain) {
    click("n_1A_0");
    QSignalSpy focus(tree, &FunctionTreeEditor::cellFocusRequested);
    click("n_1A_0");
    EXPECT_EQ(focus.count(), 1);
}

TEST_F(FunctionTreeEditorTest, ClickingAFolderOrTheRootIsNotASwitch) {
    click("n_1A_0");
    QSignalSpy focus(tree, &FunctionTreeEditor::cellFocusRequested);
    QSignalSpy info(tree, &FunctionTreeEditor::infoChanged);
    QSignalSpy state(tree, &FunctionTreeEditor::switchStateChanged);
    QSignalSpy path(tree, &FunctionTreeEditor::statusPathChanged);

    click("n_1_1");
    EXPECT_EQ(focus.count(), 0);
    ASSERT_EQ(state.count(), 1);
    EXPECT_FALSE(state.at(0).at(0).toBool());
    ASSERT_EQ(info.count(), 1);
    EXPECT_EQ(info.at(0).at(0).toString(), str(UiString::Information));
    EXPECT_TRUE(info.at(0).at(1).toString().isNull());
    EXPECT_EQ(path.last().at(0).toString(), "Location -> Keys");
    // The cell stays current but no longer looks selected.
    EXPECT_EQ(grid.currentCell(), 26);
    EXPECT_FALSE(grid.hasBorder(26));
    EXPECT_FALSE(tree->switchSelected());

    click("_root");
    EXPECT_FALSE(state.last().at(0).toBool());
    EXPECT_EQ(path.last().at(0).toString(), "Location");
    EXPECT_EQ(focus.count(), 0);
}

TEST_F(FunctionTreeEditorTest, ToggleFlipsExactlyOneBitOfTheSwitchCell) {
    click("n_1A_0");
    const std::vector<std::uint8_t> before = grid.bytes();
    QSignalSpy state(tree, &FunctionTreeEditor::switchStateChanged);

    tree->toggleSelected();
    std::vector<std::uint8_t> expected = before;
    expected[26] = 0xA4;
    EXPECT_EQ(grid.bytes(), expected);
    EXPECT_EQ(grid.text(26), "A4");
    EXPECT_EQ(FunctionTreeEditor::itemImageKey(item("n_1A_0")), "off");

    tree->toggleSelected();
    EXPECT_EQ(grid.bytes(), before);
    EXPECT_EQ(FunctionTreeEditor::itemImageKey(item("n_1A_0")), "on");
    // The menu caption follows the switch, so it always names what it would do.
    ASSERT_EQ(state.count(), 2);
    EXPECT_EQ(state.at(0).at(1).toString(), str(UiString::SwitchOn));
    EXPECT_EQ(state.at(1).at(1).toString(), str(UiString::SwitchOff));

    click("n_1a_1");
    tree->toggleSelected();
    EXPECT_EQ(grid.text(26), "A7");
    EXPECT_EQ(FunctionTreeEditor::itemImageKey(item("n_1a_1")), "on");
}

TEST_F(FunctionTreeEditorTest, ToggleDoesNothingWithoutASelectedSwitch) {
    const std::vector<std::uint8_t> before = grid.bytes();
    tree->toggleSelected();
    click("n_1_1");
    tree->toggleSelected();
    click("_root");
    tree->toggleSelected();
    EXPECT_EQ(grid.bytes(), before);
    EXPECT_EQ(FunctionTreeEditor::itemImageKey(item("n_1_1")), "folder");
    EXPECT_EQ(FunctionTreeEditor::itemImageKey(item("n_1A_0")), "on");
}

TEST_F(FunctionTreeEditorTest, ToggleDoesNothingWhileTheTreeIsHiddenOrReloaded) {
    click("n_1A_0");
    const std::vector<std::uint8_t> before = grid.bytes();

    tree->hide();
    tree->toggleSelected();
    EXPECT_EQ(grid.bytes(), before);

    tree->show();
    tree->setEnabled(false);
    tree->toggleSelected();
    EXPECT_EQ(grid.bytes(), before);

    tree->setEnabled(true);
    tree->load();
    tree->toggleSelected();
    EXPECT_EQ(grid.bytes(), before);
}

TEST_F(FunctionTreeEditorTest, RightClickAsksForTheMenuAndKeepsTheSelection) {
    click("n_1A_0");
    QSignalSpy menu(tree, &FunctionTreeEditor::contextMenuRequested);
    QSignalSpy focus(tree, &FunctionTreeEditor::cellFocusRequested);
    QSignalSpy path(tree, &FunctionTreeEditor::statusPathChanged);

    click("n_2_7", Qt::RightButton);
    ASSERT_EQ(menu.count(), 1);
    const QPoint expected =
        tree->viewport()->mapToGlobal(tree->visualItemRect(item("n_2_7")).center());
    EXPECT_EQ(menu.at(0).at(0).toPoint(), expected);
    EXPECT_EQ(tree->selectedKey(), "n_1A_0");
    EXPECT_EQ(focus.count(), 0);
    EXPECT_EQ(path.count(), 0);

    tree->toggleSelected();
    EXPECT_EQ(grid.text(26), "A4");
    EXPECT_EQ(grid.text(2), "00");
}

TEST_F(FunctionTreeEditorTest, KeyboardMovesRunTheNodeOnce) {
    click("n_1A_0");
    QSignalSpy focus(tree, &FunctionTreeEditor::cellFocusRequested);
    QSignalSpy state(tree, &FunctionTreeEditor::switchStateChanged);

    QTest::keyClick(tree, Qt::Key_Down);
    EXPECT_EQ(tree->selectedKey(), "n_1a_1");
    ASSERT_EQ(focus.count(), 1);
    EXPECT_EQ(focus.at(0).at(0).toInt(), 26);
    ASSERT_EQ(state.count(), 1);
    EXPECT_EQ(state.at(0).at(1).toString(), str(UiString::SwitchOn));
    EXPECT_EQ(QApplication::focusWidget(), tree);

    QTest::keyClick(tree, Qt::Key_Up);
    QTest::keyClick(tree, Qt::Key_Up);
    EXPECT_EQ(tree->selectedKey(), "n_1_1");
    EXPECT_FALSE(state.last().at(0).toBool());
}

TEST_F(FunctionTreeEditorTest, SpaceOrEnterOnASwitchAsksForTheToggle) {
    QSignalSpy toggles(tree, &FunctionTreeEditor::toggleRequested);
    click("n_1A_0");
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Space);
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(toggles.count(), 2);
    EXPECT_EQ(grid.text(0x1A), "A5"); // the window's On/Off writes the bit

    tree->setCurrentItem(tree->topLevelItem(0)->child(0)); // the folder Keys
    QTest::keyClick(tree, Qt::Key_Space);
    EXPECT_EQ(toggles.count(), 2);
}

TEST_F(FunctionTreeEditorTest, AClickOnTheImageOrADoubleClickOnTheRowAsksForOneToggle) {
    QSignalSpy toggles(tree, &FunctionTreeEditor::toggleRequested);
    click("n_1A_0"); // on the text: only chosen
    EXPECT_EQ(toggles.count(), 0);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, imageOf("n_1A_0"));
    EXPECT_EQ(toggles.count(), 1);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                       tree->visualItemRect(item("n_1a_1")).center());
    EXPECT_EQ(toggles.count(), 2);
    EXPECT_EQ(tree->selectedKey(), "n_1a_1");
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, imageOf("n_1_1"));
    EXPECT_EQ(toggles.count(), 2); // a folder is no switch
}

TEST_F(FunctionTreeEditorTest, ScreenReadersHearASwitchAsCheckedAndCanToggleIt) {
    QObject::connect(tree, &FunctionTreeEditor::toggleRequested, tree,
                     &FunctionTreeEditor::toggleSelected);
    QAccessibleInterface* sound = accessibleRow("Sound");
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->role(), QAccessible::CheckBox);
    EXPECT_TRUE(sound->state().checkable);
    EXPECT_TRUE(sound->state().checked);
    EXPECT_TRUE(accessibleRow("Vibrate")->state().checkable); // off, and still a check box
    EXPECT_FALSE(accessibleRow("Vibrate")->state().checked);
    EXPECT_EQ(accessibleRow("Keys")->role(), QAccessible::TreeItem);
    EXPECT_FALSE(accessibleRow("Keys")->state().checkable);
    // The check box is not drawn: the on/off image says it.
    EXPECT_EQ(FunctionTreeEditor::itemImageKey(item("n_1A_0")), "on");

    ASSERT_NE(sound->actionInterface(), nullptr);
    sound->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(grid.text(0x1A), "A4");
    EXPECT_FALSE(accessibleRow("Sound")->state().checked);
    EXPECT_EQ(FunctionTreeEditor::itemImageKey(item("n_1A_0")), "off");
    test.session.undo();
    EXPECT_EQ(grid.text(0x1A), "A5");
    EXPECT_TRUE(accessibleRow("Sound")->state().checked);
    EXPECT_EQ(tree->cellDescription(0x1A), "Sound: on; Vibrate: off");
}

// A row that opens is not a leaf because it is a switch, nor a switch because
// nothing is under it.
TEST_F(FunctionTreeEditorTest,
       ScreenReadersHearASwitchOverSwitchesAsOpenableAndAnEmptyFolderAsNoSwitch) {
    test.open(R"(<seems><seem ID="fn" size="32" type="function" tip="Phone">
        <s ID="Calls" offset="3" bit="0"><s ID="Beep" offset="3" bit="1"/></s>
        <f ID="Empty" tip="nothing yet"/>
    </seem></seems>)",
              fileBytes());
    tree->expandAll();
    QAccessibleInterface* calls = accessibleRow("Calls");
    ASSERT_NE(calls, nullptr);
    EXPECT_EQ(calls->role(), QAccessible::CheckBox);
    EXPECT_TRUE(calls->state().checkable);
    EXPECT_TRUE(calls->state().expandable);
    EXPECT_TRUE(calls->state().expanded);
    EXPECT_TRUE(calls->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::toggleAction()));
    ASSERT_NE(accessibleRow("Beep"), nullptr);
    EXPECT_EQ(accessibleRow("Beep")->role(), QAccessible::CheckBox);

    QAccessibleInterface* empty = accessibleRow("Empty");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->role(), QAccessible::TreeItem);
    EXPECT_FALSE(empty->state().checkable);
    EXPECT_FALSE(empty->state().expandable);
    EXPECT_EQ(empty->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
}

// The events themselves reach only a listening screen reader (scripts/atspi-check
// hears them); here the focus they name stays on the switch.
TEST_F(FunctionTreeEditorTest, ArrowingToASwitchKeepsTheFocusOnIt) {
    click("n_1A_0");
    QTest::keyClick(tree, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), tree);
    QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(tree)->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->text(QAccessible::Name), "Vibrate");
    EXPECT_EQ(focused->role(), QAccessible::CheckBox);
}

} // namespace
} // namespace vantrel
