// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "gui/document/ByteGridView.h"
#include "gui/editors/ColorTreeEditor.h"
#include "gui/editors/FunctionTreeEditor.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <bit>
#include <cstdint>

using namespace vantrel;
using vantrel::testing::differingBits;
using vantrel::testing::MainWindowFixture;

namespace {

using MainWindowKeyboard = MainWindowFixture;

// Keys go where a user's keys would: to the widget with the focus, or to the open menu.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

TEST_F(MainWindowKeyboard, OpensTogglesASwitchSavesAndClosesWithKeysAlone) {
    settings.setValue("ShowTip", "0");
    settings.setValue("language", "1");
    start();
    ASSERT_TRUE(loaded);
    showActive();
    const QString path = sample("0032_0001.seem");
    const QByteArray before = readAll(path);
    dialogs.openFiles = {path};

    press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(probe().session().fileOpen());

    // Tab leads from the grid to the tree; the arrows find the first switch.
    auto* tree = mainWindow->findChild<FunctionTreeEditor*>("tvwFuct");
    for (int i = 0; i < 10 && !tree->hasFocus(); ++i)
        press(Qt::Key_Tab);
    ASSERT_TRUE(tree->hasFocus());
    for (int i = 0; i < 200 && !tree->switchSelected(); ++i) {
        QTreeWidgetItem* current = tree->currentItem();
        press(current && current->childCount() > 0 && !current->isExpanded() ? Qt::Key_Right
                                                                             : Qt::Key_Down);
    }
    ASSERT_TRUE(tree->switchSelected());
    press(Qt::Key_Space);

    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(differingBits(readAll(path), before), 1);

    press(Qt::Key_F, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    press(Qt::Key_C);
    EXPECT_FALSE(probe().session().fileOpen());
    EXPECT_TRUE(dialogs.questions.empty()); // saved, so nothing to ask
}

TEST_F(MainWindowKeyboard, ChangesAColourThroughTheChooserWithKeysAlone) {
    settings.setValue("ShowTip", "0");
    start();
    ASSERT_TRUE(loaded);
    showActive();
    const QString path = sample("0d51_0001.seem");
    const QByteArray before = readAll(path);
    dialogs.openFiles = {path};
    press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(probe().session().fileOpen());

    auto* tree = mainWindow->findChild<ColorTreeEditor*>("tvwColor");
    for (int i = 0; i < 10 && !tree->hasFocus(); ++i)
        press(Qt::Key_Tab);
    ASSERT_TRUE(tree->hasFocus());
    const auto onEntry = [tree] {
        const QTreeWidgetItem* current = tree->currentItem();
        return current && current->parent() && current->childCount() == 0;
    };
    for (int i = 0; i < 50 && !onEntry(); ++i) {
        QTreeWidgetItem* current = tree->currentItem();
        press(current && current->childCount() > 0 && !current->isExpanded() ? Qt::Key_Right
                                                                             : Qt::Key_Down);
    }
    ASSERT_TRUE(onEntry());

    for (int i = 0; i < 20 && QApplication::focusWidget()->objectName() != "cmdChooseColor"; ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "cmdChooseColor");
    dialogs.colors = {QColor(0x12, 0x34, 0x56)};
    press(Qt::Key_Space);
    EXPECT_EQ(dialogs.colorRequests.size(), 1u);

    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_NE(readAll(path), before);
    EXPECT_TRUE(readAll(path).contains(QByteArray::fromHex("123456")));
}

// A file dialog of its own window, which holds the focus while it is open.
class FocusTakingDialogs : public ScriptedDialogs {
  public:
    std::optional<QString> answerFile(const FileDialogRequest& request) override {
        QLineEdit name;
        name.show();
        name.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&name));
        name.setFocus();
        return ScriptedDialogs::answerFile(request);
    }
};

TEST_F(MainWindowKeyboard, AnOpenedFileStartsInItsEditorAndTheKeysComeBackFromADialog) {
    settings.setValue("ShowTip", "0");
    start();
    ASSERT_TRUE(loaded);
    showActive();
    FocusTakingDialogs focusTaking;
    StandardDialog::setAnswerer(&focusTaking);
    focusTaking.openFiles = {sample("0032_0001.seem")};
    press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    auto* tree = mainWindow->findChild<FunctionTreeEditor*>("tvwFuct");
    ASSERT_TRUE(tree->hasFocus());
    QTreeWidgetItem* first = tree->currentItem();
    press(Qt::Key_Down);
    EXPECT_NE(tree->currentItem(), first);

    action("mnuSaveAs")->trigger(); // cancelled
    ASSERT_EQ(focusTaking.fileRequests.size(), 2u);
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    EXPECT_TRUE(tree->hasFocus());
}

TEST_F(MainWindowKeyboard, TabLeadsFromTheGridThroughTheEditorToTheInformation) {
    settings.setValue("ShowTip", "0");
    start();
    ASSERT_TRUE(loaded);
    showActive();
    mainWindow->openFile(sample("0a1c_0001.seem"));
    probe().gridView()->setFocus();
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        press(Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order.join(' ').toStdString(),
              "sldVolume sldVolume sldVolume sldVolume sldVolume cmdReset lblinfo");
    press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "cmdReset");
}

} // namespace
