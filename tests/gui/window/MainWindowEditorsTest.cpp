// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "core/i18n/BuiltinStrings.h"
#include "gui/document/ByteGridView.h"
#include "gui/editors/FunctionTreeEditor.h"
#include "gui/editors/StyleListEditor.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>

#include <bit>

using namespace vantrel;
using vantrel::testing::differingBits;
using vantrel::testing::StartedMainWindowFixture;

namespace {

class MainWindowEditors : public StartedMainWindowFixture {
  protected:
    FunctionTreeEditor* tree() const {
        return mainWindow->findChild<FunctionTreeEditor*>(QStringLiteral("tvwFuct"));
    }
    StyleListEditor* styles() const {
        return mainWindow->findChild<StyleListEditor*>(QStringLiteral("lvwStyle"));
    }

    void clickNode(const char* key) {
        QTreeWidgetItem* item = tree()->itemByKey(QString::fromLatin1(key));
        ASSERT_NE(item, nullptr) << key;
        tree()->scrollToItem(item);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                          tree()->visualItemRect(item).center());
    }
};

} // namespace

TEST_F(MainWindowEditors, ClickingASwitchFocusesItsCellAndShowsItsDescription) {
    const QString path = sample("0032_0001.seem");
    mainWindow->openFile(path);
    ASSERT_EQ(probe().session().document().typeName(), "function");
    mainWindow->show();
    clickNode("n_1A_0");
    EXPECT_EQ(probe().session().document().grid().currentCell(), 26);
    EXPECT_TRUE(probe().statusText(2).contains(QStringLiteral("A5")));
    EXPECT_TRUE(probe().statusText(2).contains(QStringLiteral("10100101")));
    EXPECT_EQ(probe().statusText(1),
              str(UiString::LocationPrefix) + QStringLiteral(" -> Keys -> Sound"));
    EXPECT_EQ(mainWindow->findChild<QGroupBox*>(QStringLiteral("frameSet"))->title(),
              QStringLiteral("[ Sound ]"));
    EXPECT_TRUE(mainWindow->findChild<QLabel*>(QStringLiteral("lblinfo"))
                    ->text()
                    .contains(QStringLiteral("tone")));
    EXPECT_TRUE(action("mnuOnOff")->isEnabled());
    EXPECT_EQ(action("mnuOnOff")->text(), str(UiString::SwitchOff));
}

TEST_F(MainWindowEditors, FolderClickDisablesOnOffAndTheInformationFrame) {
    mainWindow->openFile(sample("0032_0001.seem"));
    mainWindow->show();
    clickNode("n_1A_0");
    QTreeWidgetItem* folder = tree()->itemByKey(QStringLiteral("n_1A_0"))->parent();
    tree()->scrollToItem(folder);
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                      tree()->visualItemRect(folder).center());
    EXPECT_FALSE(action("mnuOnOff")->isEnabled());
    EXPECT_FALSE(mainWindow->findChild<QGroupBox*>(QStringLiteral("frameSet"))->isEnabled());
    EXPECT_EQ(probe().session().document().grid().currentCell(), 26);
    EXPECT_FALSE(probe().session().document().grid().hasBorder(26));
}

TEST_F(MainWindowEditors, OnOffThroughTheMenuChangesOneBitAndSaveWritesOnlyThat) {
    const QString path = sample("0032_0001.seem");
    const QByteArray before = readAll(path);
    mainWindow->openFile(path);
    mainWindow->show();
    clickNode("n_1A_0");
    action("mnuOnOff")->trigger();
    EXPECT_EQ(probe().session().document().grid().text(26), "A4");
    EXPECT_EQ(FunctionTreeEditor::itemImageKey(tree()->itemByKey(QStringLiteral("n_1A_0"))),
              QStringLiteral("off"));
    fileController().save();
    const QByteArray after = readAll(path);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(differingBits(before, after), 1);
    EXPECT_EQ(static_cast<quint8>(after[26]), 0xA4);

    action("mnuOnOff")->trigger();
    fileController().save();
    EXPECT_EQ(readAll(path), before);
}

TEST_F(MainWindowEditors, OnOffLeftEnabledByAFunctionFileDoesNothingUnderAnotherEditor) {
    mainWindow->openFile(sample("0032_0001.seem"));
    mainWindow->show();
    clickNode("n_1A_0");
    ASSERT_TRUE(action("mnuOnOff")->isEnabled());
    const QString stylePath = sample("004a_0001.seem");
    mainWindow->openFile(stylePath);
    ASSERT_EQ(probe().session().document().typeName(), "style");
    const auto bytes = probe().session().document().grid().bytes();
    action("mnuOnOff")->trigger();
    EXPECT_EQ(probe().session().document().grid().bytes(), bytes);
}

TEST_F(MainWindowEditors, StyleRowCheckWritesItsByteAndSaveWritesIt) {
    const QString path = sample("004a_0001.seem");
    const QByteArray before = readAll(path);
    mainWindow->openFile(path);
    mainWindow->show();
    ASSERT_TRUE(styles()->isVisible());
    EXPECT_EQ(probe().session().document().grid().bytes(),
              std::vector<std::uint8_t>(before.begin(), before.end()));
    QListWidgetItem* row = styles()->item(0);
    const bool wasChecked = row->checkState() == Qt::Checked;
    row->setCheckState(wasChecked ? Qt::Unchecked : Qt::Checked);
    fileController().save();
    const QByteArray after = readAll(path);
    int changedBytes = 0;
    for (int i = 0; i < before.size(); ++i)
        changedBytes += before[i] != after[i] ? 1 : 0;
    EXPECT_EQ(changedBytes, 1);
}

TEST_F(MainWindowEditors, InformationFrameSpeaksOfTheOpenFileOnlyAndGivesWayToColours) {
    auto* infoFrame = mainWindow->findChild<QGroupBox*>(QStringLiteral("frameSet"));
    auto* info = mainWindow->findChild<QLabel*>(QStringLiteral("lblinfo"));
    const QString designText = info->text();
    mainWindow->openFile(sample("0032_0001.seem"));
    mainWindow->show();
    clickNode("n_1A_0");
    ASSERT_NE(info->text(), designText);
    mainWindow->openFile(sample("004a_0001.seem"));
    EXPECT_EQ(info->text(), designText);
    EXPECT_EQ(infoFrame->title(), str(UiString::Information));
    mainWindow->openFile(sample("0d51_0001.seem"));
    EXPECT_FALSE(infoFrame->isVisible());
    EXPECT_TRUE(mainWindow->findChild<QWidget*>(QStringLiteral("frameColor"))->isVisible());
}

TEST_F(MainWindowEditors, StatusPanelOneShowsItsWholeTextBesideACellDescription) {
    mainWindow->openFile(sample("0032_0001.seem"));
    mainWindow->show();
    QCoreApplication::processEvents();
    const int width = mainWindow->width();
    mainWindow->setNotice(QString(120, QLatin1Char('F'))); // a long text in panel 2
    ASSERT_GT(probe().statusText(2).size(), 80);
    QCoreApplication::processEvents();
    const auto panels = mainWindow->statusBar()->findChildren<QLabel*>();
    for (QLabel* panel : panels) {
        if (panel->text() == str(UiString::StatusFileOpen)) {
            EXPECT_GE(panel->width(), panel->sizeHint().width());
        }
    }
    // Nor does any text of either panel widen the window.
    mainWindow->setStatus(1, QString(200, QLatin1Char('W')));
    mainWindow->setNotice(QString(300, QLatin1Char('W')));
    QCoreApplication::processEvents();
    EXPECT_EQ(mainWindow->width(), width);
    EXPECT_LE(mainWindow->minimumSizeHint().width(), width);
}
