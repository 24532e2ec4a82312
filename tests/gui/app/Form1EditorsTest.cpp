// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1Fixture.h"

#include "gui/document/ByteGridView.h"
#include "gui/document/FunctionTreeEditor.h"
#include "gui/editors/StyleListEditor.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>

#include <bit>

using namespace vantrel;
using vantrel::testing::Form1Fixture;

namespace {

class Form1Editors : public Form1Fixture {
  protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        settings.setValue("ShowTip", "0");
        start();
        ASSERT_TRUE(loaded);
    }

    FunctionTreeEditor* tree() const {
        return form->findChild<FunctionTreeEditor*>(QStringLiteral("tvwFuct"));
    }
    StyleListEditor* styles() const {
        return form->findChild<StyleListEditor*>(QStringLiteral("lvwStyle"));
    }

    void clickNode(const char* key) {
        QTreeWidgetItem* item = tree()->itemByKey(QString::fromLatin1(key));
        ASSERT_NE(item, nullptr) << key;
        tree()->scrollToItem(item);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                          tree()->visualItemRect(item).center());
    }
};

int differingBits(const QByteArray& a, const QByteArray& b) {
    int bits = 0;
    for (int i = 0; i < a.size(); ++i)
        bits += std::popcount(static_cast<unsigned>(static_cast<quint8>(a[i] ^ b[i])));
    return bits;
}

} // namespace

TEST_F(Form1Editors, ClickingASwitchFocusesItsCellAndShowsItsDescription) {
    const QString path = sample("0032_0001.seem");
    form->OpenSeemFile(path);
    ASSERT_EQ(form->curType(), "function");
    form->show();
    clickNode("n_1A_0");
    EXPECT_EQ(form->grid().lastSelect(), 26);
    EXPECT_TRUE(form->statusText(2).contains(QStringLiteral("A5")));
    EXPECT_TRUE(form->statusText(2).contains(QStringLiteral("10100101")));
    EXPECT_EQ(form->statusText(1), str(16) + QStringLiteral(" -> Keys -> Sound"));
    EXPECT_EQ(form->findChild<QGroupBox*>(QStringLiteral("frameSet"))->title(),
              QStringLiteral("[ Sound ]"));
    EXPECT_TRUE(form->findChild<QLabel*>(QStringLiteral("lblinfo"))
                    ->text()
                    .contains(QStringLiteral("tone")));
    EXPECT_TRUE(action("mnuOnOff")->isEnabled());
    EXPECT_EQ(action("mnuOnOff")->text(), str(15));
}

TEST_F(Form1Editors, FolderClickDisablesOnOffAndTheInformationFrame) {
    form->OpenSeemFile(sample("0032_0001.seem"));
    form->show();
    clickNode("n_1A_0");
    QTreeWidgetItem* folder = tree()->itemByKey(QStringLiteral("n_1A_0"))->parent();
    tree()->scrollToItem(folder);
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                      tree()->visualItemRect(folder).center());
    EXPECT_FALSE(action("mnuOnOff")->isEnabled());
    EXPECT_FALSE(form->findChild<QGroupBox*>(QStringLiteral("frameSet"))->isEnabled());
    EXPECT_EQ(form->grid().lastSelect(), 26);
    EXPECT_FALSE(form->grid().hasBorder(26));
}

TEST_F(Form1Editors, OnOffThroughTheMenuChangesOneBitAndSaveWritesOnlyThat) {
    const QString path = sample("0032_0001.seem");
    const QByteArray before = readAll(path);
    form->OpenSeemFile(path);
    form->show();
    clickNode("n_1A_0");
    action("mnuOnOff")->trigger();
    EXPECT_EQ(form->grid().text(26), "A4");
    EXPECT_EQ(FunctionTreeEditor::itemImageKey(tree()->itemByKey(QStringLiteral("n_1A_0"))),
              QStringLiteral("off"));
    form->mnuSave_Click();
    const QByteArray after = readAll(path);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(differingBits(before, after), 1);
    EXPECT_EQ(static_cast<quint8>(after[26]), 0xA4);

    action("mnuOnOff")->trigger();
    form->mnuSave_Click();
    EXPECT_EQ(readAll(path), before);
}

TEST_F(Form1Editors, OnOffLeftEnabledByAFunctionFileDoesNothingUnderAnotherEditor) {
    form->OpenSeemFile(sample("0032_0001.seem"));
    form->show();
    clickNode("n_1A_0");
    ASSERT_TRUE(action("mnuOnOff")->isEnabled());
    const QString stylePath = sample("004a_0001.seem");
    form->OpenSeemFile(stylePath);
    ASSERT_EQ(form->curType(), "style");
    const auto bytes = form->grid().bytes();
    action("mnuOnOff")->trigger();
    EXPECT_EQ(form->grid().bytes(), bytes);
}

TEST_F(Form1Editors, StyleRowCheckWritesItsByteAndSaveWritesIt) {
    const QString path = sample("004a_0001.seem");
    const QByteArray before = readAll(path);
    form->OpenSeemFile(path);
    form->show();
    ASSERT_TRUE(styles()->isVisible());
    EXPECT_EQ(form->grid().bytes(), std::vector<std::uint8_t>(before.begin(), before.end()));
    QListWidgetItem* row = styles()->item(0);
    const bool wasChecked = row->checkState() == Qt::Checked;
    row->setCheckState(wasChecked ? Qt::Unchecked : Qt::Checked);
    form->mnuSave_Click();
    const QByteArray after = readAll(path);
    int changedBytes = 0;
    for (int i = 0; i < before.size(); ++i)
        changedBytes += before[i] != after[i] ? 1 : 0;
    EXPECT_EQ(changedBytes, 1);
}

TEST_F(Form1Editors, InformationFrameSpeaksOfTheOpenFileOnlyAndGivesWayToColours) {
    auto* frameSet = form->findChild<QGroupBox*>(QStringLiteral("frameSet"));
    auto* info = form->findChild<QLabel*>(QStringLiteral("lblinfo"));
    const QString designText = info->text();
    form->OpenSeemFile(sample("0032_0001.seem"));
    form->show();
    clickNode("n_1A_0");
    ASSERT_NE(info->text(), designText);
    form->OpenSeemFile(sample("004a_0001.seem"));
    EXPECT_EQ(info->text(), designText);
    EXPECT_EQ(frameSet->title(), str(10));
    form->OpenSeemFile(sample("0d51_0001.seem"));
    EXPECT_FALSE(frameSet->isVisible());
    EXPECT_TRUE(form->findChild<QWidget*>(QStringLiteral("frameColor"))->isVisible());
}

TEST_F(Form1Editors, StatusPanelOneShowsItsWholeTextBesideACellDescription) {
    form->OpenSeemFile(sample("0032_0001.seem"));
    form->show();
    form->grid().setText(26, std::string(80, 'F')); // a long description in panel 2
    form->gridView()->focusCell(26);
    ASSERT_GT(form->statusText(2).size(), 80);
    QCoreApplication::processEvents();
    const auto panels = form->statusBar()->findChildren<QLabel*>();
    for (QLabel* panel : panels) {
        if (panel->text() == str(0)) {
            EXPECT_GE(panel->width(), panel->sizeHint().width());
        }
    }
}
