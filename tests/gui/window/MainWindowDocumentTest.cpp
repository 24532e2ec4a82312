// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/document/ByteGridView.h"
#include "gui/editors/FunctionTreeEditor.h"
#include "gui/editors/StyleListEditor.h"

#include <QListWidget>
#include <QTest>

#include <functional>

using namespace vantrel;
using vantrel::testing::StartedMainWindowFixture;

namespace {

class MainWindowDocument : public StartedMainWindowFixture {
  protected:
    FunctionTreeEditor* tree() const {
        return mainWindow->findChild<FunctionTreeEditor*>(QStringLiteral("tvwFuct"));
    }

    QString switchImage(const char* key) const {
        return FunctionTreeEditor::itemImageKey(tree()->itemByKey(QString::fromLatin1(key)));
    }

    QString caption(const QString& path) const {
        return probe().programName() + QStringLiteral(" [") + path + QLatin1Char(']');
    }

    QString stepCaption(UiString menuString, UiString step) const {
        return QString::fromStdString(
            probe().strings().format(menuString, {probe().strings().get(step)}));
    }
};

} // namespace

TEST_F(MainWindowDocument, TypedDigitsAreOneStepThatUndoAndRedoRestoreEverywhere) {
    const QString path = sample("0032_0001.seem");
    mainWindow->openFile(path);
    showActive();
    EXPECT_FALSE(action("mnuUndo")->isEnabled());
    ByteGridView* grid = probe().gridView();
    grid->focusCell(26);
    QTest::keyClick(grid, Qt::Key_B); // A5 -> B5: the status line follows the typed digit
    EXPECT_TRUE(probe().statusText(2).contains(QStringLiteral("B5")));
    EXPECT_TRUE(probe().statusText(2).contains(QStringLiteral("10110101")));
    QTest::keyClick(grid, Qt::Key_4); // B4: the switch on bit 0 goes off
    EXPECT_EQ(probe().session().document().grid().text(26), "B4");
    EXPECT_EQ(switchImage("n_1A_0"), "off");
    EXPECT_EQ(mainWindow->windowTitle(), caption(path) + QStringLiteral(" *"));
    EXPECT_EQ(action("mnuUndo")->text(), stepCaption(UiString::UndoMenu, UiString::UndoTyping));

    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(probe().session().document().grid().text(26), "A5");
    EXPECT_EQ(switchImage("n_1A_0"), "on");
    EXPECT_EQ(mainWindow->windowTitle(), caption(path));
    EXPECT_FALSE(action("mnuUndo")->isEnabled());
    EXPECT_EQ(action("mnuRedo")->text(), stepCaption(UiString::RedoMenu, UiString::UndoTyping));

    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(probe().session().document().grid().text(26), "B4");
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(probe().session().document().grid().text(26), "B4");
}

TEST_F(MainWindowDocument, SwitchAndStyleStepsUndoToTheExactBytes) {
    const QString functions = sample("0032_0001.seem");
    mainWindow->openFile(functions);
    showActive();
    const auto before = probe().session().document().grid().bytes();
    QTreeWidgetItem* sound = tree()->itemByKey(QStringLiteral("n_1A_0"));
    tree()->setCurrentItem(sound);
    action("mnuOnOff")->trigger();
    EXPECT_EQ(probe().session().document().grid().text(26), "A4");
    EXPECT_TRUE(probe().statusText(2).contains(QStringLiteral("A4")));
    EXPECT_EQ(action("mnuUndo")->text(), stepCaption(UiString::UndoMenu, UiString::UndoSwitch));
    action("mnuUndo")->trigger();
    EXPECT_EQ(probe().session().document().grid().bytes(), before);
    EXPECT_EQ(switchImage("n_1A_0"), "on");
    action("mnuRedo")->trigger();
    EXPECT_EQ(probe().session().document().grid().text(26), "A4");

    fileController().save();
    action("mnuUndo")->trigger();
    EXPECT_EQ(mainWindow->windowTitle(), caption(functions) + QStringLiteral(" *"));
    action("mnuRedo")->trigger(); // back at the saved state
    EXPECT_EQ(mainWindow->windowTitle(), caption(functions));

    const QString styles = sample("004a_0001.seem");
    mainWindow->openFile(styles);
    EXPECT_FALSE(action("mnuUndo")->isEnabled());
    auto* list = mainWindow->findChild<StyleListEditor*>(QStringLiteral("lvwStyle"));
    const auto styleBytes = probe().session().document().grid().bytes();
    QListWidgetItem* row = list->item(0);
    row->setCheckState(row->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    EXPECT_NE(probe().session().document().grid().bytes(), styleBytes);
    EXPECT_EQ(action("mnuUndo")->text(), stepCaption(UiString::UndoMenu, UiString::UndoStyle));
    action("mnuUndo")->trigger();
    EXPECT_EQ(probe().session().document().grid().bytes(), styleBytes);
    EXPECT_EQ(mainWindow->windowTitle(), caption(styles));
}

// Every way of setting the document aside asks first, and each answer does
// what it says; a save that fails keeps the document and the file.
TEST_F(MainWindowDocument, SettingAsideModifiedDocumentsAsksSaveDiscardOrCancel) {
    struct Way {
        const char* name;
        std::function<void()> run;
        std::function<bool(const ScriptedDialogs&)> wentOn;
    };
    const std::vector<Way> ways = {
        {"close window", [this] { mainWindow->close(); },
         [this](const ScriptedDialogs&) { return !mainWindow->isVisible(); }},
        {"exit", [this] { action("mnuExit")->trigger(); },
         [this](const ScriptedDialogs&) { return !mainWindow->isVisible(); }},
        {"open", [this] { fileController().open(); },
         [](const ScriptedDialogs& asked) { return !asked.fileRequests.empty(); }},
        {"close file", [this] { fileController().close(); },
         [this](const ScriptedDialogs&) { return probe().fileName().isEmpty(); }},
    };
    enum Answer { Save, Discard, Cancel, SaveFails };
    const QByteArray original(40, '\x10');
    for (const Way& way : ways) {
        for (const Answer answer : {Save, Discard, Cancel, SaveFails}) {
            SCOPED_TRACE(std::string(way.name) + " answer " + std::to_string(answer));
            const QString path = writeSeem(QStringLiteral("s.seem"), original);
            mainWindow->openFile(path);
            mainWindow->show();
            typeInto(0, "FF");
            if (answer == SaveFails)
                typeInto(1, "");
            ScriptedDialogs asked;
            StandardDialog::setAnswerer(&asked);
            asked.questionAnswers = {answer == SaveFails ? static_cast<int>(Save)
                                                         : static_cast<int>(answer)};
            way.run();

            ASSERT_EQ(asked.questions.size(), 1u);
            EXPECT_EQ(asked.questions[0].buttons,
                      (QStringList{str(UiString::ButtonSave), str(UiString::ButtonDiscard),
                                   str(UiString::ButtonCancel)}));
            EXPECT_TRUE(asked.questions[0].text.contains(path));
            EXPECT_EQ(way.wentOn(asked), answer == Save || answer == Discard);
            EXPECT_EQ(readAll(path)[0], answer == Save ? '\xFF' : '\x10');
            const QString invalid =
                QString::fromStdString(probe().strings().format(UiString::InvalidCell, {"1", "1"}));
            const bool saidInvalid =
                std::any_of(asked.messages.begin(), asked.messages.end(),
                            [&](const MessageRequest& m) { return m.text == invalid; });
            EXPECT_EQ(saidInvalid, answer == SaveFails);
            if (answer == Cancel || answer == SaveFails) {
                EXPECT_EQ(probe().fileName(), path);
            }
        }
    }
    StandardDialog::setAnswerer(&dialogs);

    // Nothing changed: nothing is asked.
    mainWindow->openFile(writeSeem(QStringLiteral("t.seem"), original));
    mainWindow->show();
    mainWindow->close();
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_FALSE(mainWindow->isVisible());
}
