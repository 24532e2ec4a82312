// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "gui/controllers/FindController.h"
#include "gui/document/ByteGridView.h"
#include "gui/editors/FunctionTreeEditor.h"
#include "gui/find/FindBar.h"
#include "gui/find/FindInFolderWindow.h"
#include "gui/widgets/Announcement.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace vantrel;
using vantrel::testing::MainWindowFixture;

namespace {

class MainWindowFind : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        settings.setValue("ShowTip", "0");
        settings.setValue("SeemFolder", work.path().toStdString());
        start();
        ASSERT_TRUE(loaded);
        showActive();
        fileController().openFile(sample("0032_0001.seem"));
    }

    FindBar* bar() const { return mainWindow->findChild<FindBar*>(QStringLiteral("tbrFind")); }
    QLineEdit* findText() const { return bar()->findChild<QLineEdit*>(QStringLiteral("txtFind")); }
    FunctionTreeEditor* tree() const {
        return mainWindow->findChild<FunctionTreeEditor*>(QStringLiteral("tvwFuct"));
    }
    ByteGridView* grid() const { return mainWindow->findChild<ByteGridView*>(); }

    void find(int mode, const QString& text) {
        action("mnuFind")->trigger();
        bar()->findChild<QComboBox*>(QStringLiteral("cboFindMode"))->setCurrentIndex(mode);
        findText()->setText(text);
    }
};

TEST_F(MainWindowFind, EnterAndF3StepThroughTheMarkedBytesAndEscapeLeavesTheFocusOnTheMatch) {
    find(1, QStringLiteral("03")); // at 20, 21 and 2D
    ASSERT_TRUE(bar()->isVisible());
    EXPECT_TRUE(findText()->hasFocus());
    EXPECT_EQ(bar()->status(), QStringLiteral("1 of 3"));
    // What the bar shows, a screen reader hears on the text it is in.
    EXPECT_EQ(findText()->accessibleDescription(), bar()->status());
    QTest::keyClick(findText(), Qt::Key_Return);
    EXPECT_EQ(bar()->status(), QStringLiteral("2 of 3"));
    action("mnuFindNext")->trigger();
    action("mnuFindNext")->trigger();
    EXPECT_TRUE(bar()->status().startsWith(QStringLiteral("1 of 3")));
    EXPECT_TRUE(bar()->status().contains(str(UiString::FindWrappedToStart)));
    QTest::keyClick(findText(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(bar()->status().startsWith(QStringLiteral("3 of 3")));
    EXPECT_TRUE(findText()->hasFocus()); // the bar is not modal, and keeps the keys

    findText()->setText(QStringLiteral("A 50"));
    EXPECT_EQ(
        bar()->status(),
        str(UiString::FindHexOddDigits).replace(QStringLiteral("%1"), QStringLiteral("A 50")));
    EXPECT_TRUE(dialogs.messages.empty());
    findText()->setText(QStringLiteral("0d 03"));
    QTest::keyClick(findText(), Qt::Key_Escape);
    EXPECT_FALSE(bar()->isVisible());
    EXPECT_TRUE(grid()->hasFocus());
    EXPECT_EQ(grid()->editIndex(), 0x2C);
}

// Each answer the bar shows appears anew as a notification named by it: what
// Orca speaks while the focus stays in the text (the bridge of Qt 6.4 passes
// on no changed name or description that it can speak).
class ShownNames : public QObject {
  public:
    std::vector<QString> names;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            QAccessibleInterface* told = QAccessible::queryAccessibleInterface(watched);
            if (told && told->role() == QAccessible::Notification)
                names.push_back(told->text(QAccessible::Name));
        }
        return false;
    }
};

TEST_F(MainWindowFind, EachAnswerAppearsAnewAsANotificationForScreenReaders) {
    action("mnuFind")->trigger();
    auto* announcement = bar()->findChild<Announcement*>();
    ASSERT_NE(announcement, nullptr);
    ShownNames shown;
    announcement->installEventFilter(&shown);
    bar()->findChild<QComboBox*>(QStringLiteral("cboFindMode"))->setCurrentIndex(1);
    findText()->setText(QStringLiteral("03"));
    QTest::keyClick(findText(), Qt::Key_Return);
    QTest::keyClick(findText(), Qt::Key_Return);
    ASSERT_GE(shown.names.size(), 3u);
    EXPECT_EQ(std::vector<QString>(shown.names.end() - 3, shown.names.end()),
              (std::vector<QString>{QStringLiteral("1 of 3"), QStringLiteral("2 of 3"),
                                    QStringLiteral("3 of 3")}));
    EXPECT_EQ(announcement->size(), QSize(0, 0));
}

TEST_F(MainWindowFind, ASettingInAClosedFolderIsOpenedChosenAndKeptOnEscape) {
    QTreeWidgetItem* calls = tree()->topLevelItem(0)->child(1);
    ASSERT_NE(calls, nullptr);
    calls->setExpanded(false);
    find(0, QStringLiteral("running time"));
    EXPECT_EQ(bar()->status(), QStringLiteral("1 of 1"));
    QTreeWidgetItem* current = tree()->currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->text(0), QStringLiteral("Show Timer During Calls"));
    EXPECT_TRUE(calls->isExpanded());
    EXPECT_TRUE(findText()->hasFocus());
    QTest::keyClick(findText(), Qt::Key_Escape);
    EXPECT_TRUE(tree()->hasFocus());
    EXPECT_EQ(tree()->currentItem(), current);
}

TEST_F(MainWindowFind, AFolderLineOpensItsFileWithTheSettingAfterTheQuestion) {
    (void)sample("0a1c_0001.seem");
    typeInto(0, "FF"); // unsaved changes in the open file
    action("mnuFindInFolder")->trigger();
    auto* window = controller<FindController>().folderWindow();
    ASSERT_NE(window, nullptr);
    window->search(QStringLiteral("microphone"));
    QListWidget* list = window->list();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("0a1c_0001 · Microphone: 4"));

    dialogs.questionAnswers = {2}; // Cancel: the open file stays
    emit list->itemActivated(list->item(0));
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_TRUE(probe().session().document().path().ends_with("0032_0001.seem"));

    dialogs.questionAnswers = {1}; // Discard
    emit list->itemActivated(list->item(0));
    EXPECT_TRUE(probe().session().document().path().ends_with("0a1c_0001.seem"));
    EXPECT_EQ(probe().session().grid().currentCell(), 0x0C);
}

} // namespace
