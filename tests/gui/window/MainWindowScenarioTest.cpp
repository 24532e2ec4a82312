// SPDX-License-Identifier: GPL-3.0-or-later
// One scenario, three faces: the window's own widgets replay every scenario
// file, as a user would, and must write the bytes the session's own replay
// (and the page's and the command line's) write.
#include "MainWindowFixture.h"
#include "core/session/Scenario.h"
#include "gui/ModalAnswer.h"
#include "gui/NamedChild.h"
#include "gui/TestSession.h"
#include "gui/dialogs/RecipeReviewDialog.h"
#include "gui/document/ByteGridView.h"
#include "gui/editors/ColorTreeEditor.h"
#include "gui/editors/FunctionTreeEditor.h"
#include "gui/editors/StyleListEditor.h"
#include "gui/editors/VolumeEditor.h"
#include "gui/generators/GprsTextDialog.h"
#include "gui/generators/OuterTextDialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionViewItem>

using namespace vantrel;
using vantrel::testing::MainWindowFixture;
using vantrel::testing::ModalAnswer;
using vantrel::testing::namedChild;

namespace {

const QString kScenarios = QStringLiteral(VANTREL_DATA_DIR "/../tests/scenarios");

QString fieldText(const std::string& field) {
    return QString::fromStdString(field);
}

class MainWindowScenario : public MainWindowFixture {
  protected:
    // A window of its own for each scenario, on screen so that the focus moves
    // as it does for a user; the definitions are seem_en.xml in English.
    void begin() {
        settings.setValue("ShowTip", "0");
        start();
        ASSERT_TRUE(loaded);
        showActive();
        result.clear();
    }

    void play(const ScenarioStep& step);

    template <typename Widget> Widget* child(const char* name) const {
        return mainWindow->findChild<Widget*>(QString::fromLatin1(name));
    }

    // The user leaves a control for another: a gesture on it ends.
    static void leave(QWidget* control, QWidget* next) {
        next->setFocus();
        ASSERT_FALSE(control->hasFocus());
    }

    // The tree's row of a path of captions, "Folder/Sub/ID".
    static QTreeWidgetItem* rowOfPath(QTreeWidgetItem* top, const QString& path) {
        QTreeWidgetItem* row = top;
        for (const QString& caption : path.split(QLatin1Char('/'))) {
            QTreeWidgetItem* next = nullptr;
            for (int i = 0; row && i < row->childCount() && !next; ++i) {
                if (row->child(i)->text(0) == caption)
                    next = row->child(i);
            }
            row = next;
        }
        return row;
    }

    void setSwitch(bool on, const QString& path) {
        auto* tree = child<FunctionTreeEditor>("tvwFuct");
        QTreeWidgetItem* row = rowOfPath(tree->topLevelItem(0), path);
        ASSERT_NE(row, nullptr) << path.toStdString();
        for (QTreeWidgetItem* above = row->parent(); above; above = above->parent())
            above->setExpanded(true);
        tree->scrollToItem(row);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(row).center());
        ASSERT_EQ(tree->currentItem(), row);
        if ((row->checkState(0) == Qt::Checked) != on)
            QTest::keyClick(tree, Qt::Key_Space);
        EXPECT_EQ(row->checkState(0) == Qt::Checked, on) << path.toStdString();
    }

    void setStyle(bool on, const QString& id) {
        auto* list = child<StyleListEditor>("lvwStyle");
        const auto rows = list->findItems(id, Qt::MatchExactly);
        ASSERT_EQ(rows.size(), 1) << id.toStdString();
        QListWidgetItem* row = rows.front();
        list->scrollToItem(row);
        if ((row->checkState() == Qt::Checked) != on)
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, checkBoxOf(*list, row));
        EXPECT_EQ(row->checkState() == Qt::Checked, on) << id.toStdString();
    }

    static QPoint checkBoxOf(QListWidget& list, QListWidgetItem* row) {
        QStyleOptionViewItem option;
        option.initFrom(list.viewport());
        option.rect = list.visualItemRect(row);
        option.features = QStyleOptionViewItem::HasCheckIndicator |
                          QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasDisplay;
        option.decorationSize = list.iconSize().isValid() ? list.iconSize() : QSize(16, 16);
        option.text = row->text();
        return list.style()
            ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list)
            .center();
    }

    void setVolume(int position, const QString& name) {
        auto* volumes = child<VolumeEditor>("frameVolume");
        int row = 0;
        while (row < VolumeEditor::kRows &&
               volumes->caption(row)->text() != name + QLatin1Char(':'))
            ++row;
        ASSERT_LT(row, VolumeEditor::kRows) << name.toStdString();
        QSlider* slider = volumes->slider(row);
        slider->setFocus();
        while (slider->value() != position) {
            const int before = slider->value();
            QTest::keyClick(slider, position > before ? Qt::Key_Right : Qt::Key_Left);
            ASSERT_NE(slider->value(), before) << name.toStdString();
        }
        leave(slider, child<QPushButton>("cmdReset"));
    }

    // Chooses a colour entry in the tree by its captions, "Group/Entry".
    void chooseColor(const QString& path) {
        auto* tree = child<ColorTreeEditor>("tvwColor");
        const QStringList captions = path.split(QLatin1Char('/'));
        ASSERT_EQ(captions.size(), 2) << path.toStdString();
        QTreeWidgetItem* entry = nullptr;
        for (int g = 0; g < tree->topLevelItemCount() && !entry; ++g) {
            QTreeWidgetItem* group = tree->topLevelItem(g);
            if (group->text(0) == captions[0])
                entry = rowOfPath(group, captions[1]);
        }
        ASSERT_NE(entry, nullptr) << path.toStdString();
        tree->scrollToItem(entry);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(entry).center());
        ASSERT_EQ(tree->currentItem(), entry);
    }

    void typeIntoBox(const char* name, const QString& text) {
        auto* box = child<QLineEdit>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }

    void generateOuterText(const QString& text) {
        const QString path = work.filePath(QStringLiteral("outer.seem"));
        dialogs.saveFiles = {path};
        {
            ModalAnswer<OuterTextDialog> answer([&](OuterTextDialog& window) {
                QTest::keyClicks(namedChild<QLineEdit>(&window, "Text1"), text);
                namedChild<QPushButton>(&window, "cmdSave")->click();
            });
            action("mnuSetOuterText")->trigger();
        }
        result = readAll(path);
    }

    void generateGprs(GprsDisplayMode mode, const QString& text) {
        const QString path = work.filePath(QStringLiteral("gprs.seem"));
        dialogs.saveFiles = {path};
        {
            ModalAnswer<GprsTextDialog> answer([&](GprsTextDialog& window) {
                window.modeButton(mode)->click();
                QTest::keyClicks(namedChild<QLineEdit>(&window, "Text1"), text);
                namedChild<QPushButton>(&window, "Command1")->click();
            });
            action("mnuSetGPRS")->trigger();
        }
        result = readAll(path);
    }

    // "NAME", "NAME except SETTING" or "NAME only SETTING": the exported
    // recipe chosen in the review, the setting's box unticked or alone
    // ticked, then Apply.
    void applyRecipe(const QString& words) {
        const QString choice = words.section(QLatin1Char(' '), 1, 1);
        const QString setting = words.section(QLatin1Char(' '), 2) + QStringLiteral(": ");
        dialogs.openFiles = {work.filePath(words.section(QLatin1Char(' '), 0, 0))};
        ModalAnswer<RecipeReviewDialog> answer([&](RecipeReviewDialog& dialog) {
            namedChild<QPushButton>(&dialog, "cmdChooseRecipe")->click();
            ASSERT_FALSE(dialog.ticks().isEmpty());
            for (QCheckBox* tick : dialog.ticks()) {
                const bool isSetting = tick->text().startsWith(setting, Qt::CaseInsensitive);
                const bool wanted =
                    choice == QStringLiteral("only") ? isSetting : tick->isChecked() && !isSetting;
                if (tick->isChecked() != wanted)
                    tick->click();
            }
            namedChild<QPushButton>(&dialog, "cmdApply")->click();
        });
        action("mnuApplySettings")->trigger();
    }

    QByteArray result; // the bytes of the last save or generation
};

void MainWindowScenario::play(const ScenarioStep& step) {
    const std::string& verb = step.verb;
    const auto field = [&step](std::size_t index) { return fieldText(step.fields.at(index)); };
    if (verb == "open") {
        dialogs.openFiles = {sample(step.fields[0].c_str())};
        // Opened afresh: the changes on show are not kept ("Don't Save").
        if (probe().session().document().isModified())
            dialogs.questionAnswers = {1};
        action("mnuOpen")->trigger();
        ASSERT_EQ(QFileInfo(probe().fileName()).fileName(), field(0));
    } else if (verb == "switch") {
        setSwitch(field(0) == QStringLiteral("on"), field(1));
    } else if (verb == "style") {
        setStyle(field(0) == QStringLiteral("on"), field(1));
    } else if (verb == "volume") {
        setVolume(field(0).toInt(), field(1));
    } else if (verb == "reset-volumes") {
        child<QPushButton>("cmdReset")->click();
    } else if (verb == "color") {
        chooseColor(field(1));
        typeIntoBox("txtHex", field(0));
        QTest::keyClick(child<QLineEdit>("txtHex"), Qt::Key_Return);
    } else if (verb == "transparency") {
        chooseColor(field(1));
        typeIntoBox("txtT", field(0));
        leave(child<QLineEdit>("txtT"), child<QLineEdit>("txtHex"));
    } else if (verb == "title") {
        typeIntoBox("txtColorName", field(0));
        child<QAbstractButton>("cmdChangeName")->click();
    } else if (verb == "cell") {
        ByteGridView* grid = probe().gridView();
        grid->focusCell(field(0).toInt(nullptr, 16));
        QTest::keyClicks(grid, field(1));
    } else if (verb == "undo" || verb == "redo") {
        action(verb == "undo" ? "mnuUndo" : "mnuRedo")->trigger();
    } else if (verb == "save") {
        const QString path = work.filePath(QStringLiteral("saved.seem"));
        dialogs.saveFiles = {path};
        action("mnuSaveAs")->trigger();
        result = readAll(path);
    } else if (verb == "outertext") {
        generateOuterText(field(0));
    } else if (verb == "gprs") {
        generateGprs(field(0) == QStringLiteral("date") ? GprsDisplayMode::AlwaysDate
                                                        : GprsDisplayMode::ShowNothing,
                     QString());
    } else if (verb == "gprs-text") {
        generateGprs(GprsDisplayMode::CustomText, field(0));
    } else if (verb == "export-changes") {
        dialogs.saveFiles = {work.filePath(field(0))};
        action("mnuExportChanges")->trigger();
    } else if (verb == "apply-recipe") {
        applyRecipe(field(0));
    } else if (verb == "find") {
        action("mnuFind")->trigger();
        auto* box = child<QLineEdit>("txtFind");
        ASSERT_NE(box, nullptr);
        box->selectAll();
        QTest::keyClicks(box, field(0));
        QTest::keyClick(box, Qt::Key_Escape);
    } else if (verb == "toggle") {
        action("mnuOnOff")->trigger();
    } else {
        FAIL() << "no way to play " << verb;
    }
}

} // namespace

TEST_F(MainWindowScenario, EveryScenarioWritesTheBytesItExpects) {
    int played = 0;
    for (QDirIterator it(kScenarios, {QStringLiteral("*.scenario")}, QDir::Files); it.hasNext();) {
        const QString path = it.next();
        SCOPED_TRACE(path.toStdString());
        const ScenarioParse parse = parseScenario(readAll(path).toStdString());
        ASSERT_FALSE(parse.failure) << parse.failure->message;
        QString expectedPath = path;
        expectedPath.replace(QStringLiteral(".scenario"), QStringLiteral(".expected"));
        const auto expected = parseScenarioBytes(readAll(expectedPath).toStdString());
        ASSERT_TRUE(expected);

        begin();
        dialogs.messages.clear();
        for (const ScenarioStep& step : parse.steps) {
            SCOPED_TRACE("line " + std::to_string(step.line) + ": " + step.verb);
            play(step);
            ASSERT_FALSE(HasFatalFailure());
        }
        const std::vector<std::uint8_t> written(result.begin(), result.end());
        EXPECT_EQ(scenarioBytesText(written), scenarioBytesText(*expected));
        for (const MessageRequest& message : dialogs.messages)
            EXPECT_NE(message.icon, MessageIcon::Critical) << message.text.toStdString();
        ++played;
    }
    EXPECT_GE(played, 5);
}

// Recipes carried through Export Changes and the review write what the
// session's own replay writes.
TEST_F(MainWindowScenario, RecipeScenariosWriteWhatTheSessionWrites) {
    int played = 0;
    for (QDirIterator it(kScenarios + QStringLiteral("/recipes"), {QStringLiteral("*.scenario")},
                         QDir::Files);
         it.hasNext();) {
        const QString path = it.next();
        SCOPED_TRACE(path.toStdString());
        const ScenarioParse parse = parseScenario(readAll(path).toStdString());
        ASSERT_FALSE(parse.failure) << parse.failure->message;
        vantrel::testing::TestSession reference;
        ASSERT_FALSE(reference.session.loadDefinitions(VANTREL_DATA_DIR "/seem_en.xml"));
        const ScenarioRun run =
            runScenario(reference.session, parse.steps, VANTREL_DATA_DIR "/samples/");
        ASSERT_FALSE(run.failure) << run.failure->message;

        begin();
        for (const ScenarioStep& step : parse.steps) {
            SCOPED_TRACE("line " + std::to_string(step.line) + ": " + step.verb);
            play(step);
            ASSERT_FALSE(HasFatalFailure());
        }
        const std::vector<std::uint8_t> written(result.begin(), result.end());
        EXPECT_EQ(scenarioBytesText(written), scenarioBytesText(run.result));
        ++played;
    }
    EXPECT_GE(played, 1);
}
