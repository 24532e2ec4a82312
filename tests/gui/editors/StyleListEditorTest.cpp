// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/StyleListEditor.h"

#include "gui/TestSession.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vantrel {
namespace {

const char* const kStyleType = R"(
    <i ID="Big clock" offset="10" val1="1A" val2="00" tip="clock tip"/>
    <i ID="One" offset="12" val1="01" val2="0" tip="one tip"/>
    <i ID="Two" offset="12" val1="02" val2="00" tip="two tip"/>
    <i ID="Short" offset="11" val1="c" val2="00" tip="short tip"/>
)";

// Definitions of one style type of 32 bytes with these items.
std::string definitions(const char* items) {
    return std::string(R"(<seems><seem ID="st" size="32" type="style">)") + items +
           "</seem></seems>";
}

// The list in a window beside a stand-in for the hex grid, wired the way the
// main window wires them: a focus request moves the focus to the grid.
class StyleListEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        list = new StyleListEditor(test.session, &window);
        gridStandIn = new QLineEdit(&window);
        layout->addWidget(list);
        layout->addWidget(gridStandIn);
        QObject::connect(list, &StyleListEditor::cellFocusRequested, gridStandIn,
                         [this](int index) {
                             test.session.focusCell(index);
                             gridStandIn->setFocus();
                         });
        window.resize(300, 300);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Opens the file with these items; true when the list could show them all.
    bool load(const char* items) {
        std::vector<std::uint8_t> bytes(0x20, 0);
        bytes[0x10] = 0x1A;
        bytes[0x11] = 0x0C;
        bytes[0x12] = 0x02;
        const OpenResult opened = test.open(definitions(items), bytes);
        return !opened.message;
    }

    QListWidgetItem* row(const char* key) const {
        QListWidgetItem* found = list->itemByKey(QString::fromLatin1(key));
        EXPECT_NE(found, nullptr) << key;
        return found;
    }

    QPoint checkBoxCentre(QListWidgetItem* item) const {
        QStyleOptionViewItem option;
        option.initFrom(list->viewport());
        option.rect = list->visualItemRect(item);
        option.features = QStyleOptionViewItem::HasCheckIndicator |
                          QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasDisplay;
        option.decorationSize = list->iconSize().isValid() ? list->iconSize() : QSize(16, 16);
        option.text = item->text();
        return list->style()
            ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list)
            .center();
    }

    void clickBox(const char* key) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          checkBoxCentre(row(key)));
    }

    void clickText(const char* key) {
        const QRect rect = list->visualItemRect(row(key));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(rect.right() - 10, rect.center().y()));
    }

    testing::TestSession test;
    const ByteGrid& grid = test.grid();
    QWidget window;
    StyleListEditor* list = nullptr;
    QLineEdit* gridStandIn = nullptr;
};

TEST_F(StyleListEditorTest, LoadingShowsTheRowsAndChangesNoCell) {
    QSignalSpy focus(list, &StyleListEditor::cellFocusRequested);
    QSignalSpy info(list, &StyleListEditor::infoChanged);
    EXPECT_TRUE(load(kStyleType));
    std::vector<std::string> textsBefore;
    for (int i = 0; i < grid.cellCount(); ++i)
        textsBefore.push_back(grid.text(i));
    list->load();
    EXPECT_EQ(list->objectName(), "lvwStyle");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(row("10_1A_00")->text(), "Big clock");
    EXPECT_EQ(row("10_1A_00")->checkState(), Qt::Checked);
    EXPECT_EQ(row("12_01_0")->checkState(), Qt::Unchecked);
    EXPECT_EQ(row("12_02_00")->checkState(), Qt::Checked);
    EXPECT_EQ(row("11_c_00")->checkState(), Qt::Checked);
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_EQ(StyleListEditor::itemImageKey(list->item(i)), "node");
        EXPECT_FALSE(list->item(i)->icon().isNull());
    }
    // A write of val1 as spelled would have turned "0C" into "c".
    for (int i = 0; i < grid.cellCount(); ++i)
        EXPECT_EQ(grid.text(i), textsBefore[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(focus.count(), 0);
    EXPECT_EQ(info.count(), 0);
    EXPECT_FALSE(test.session.document().isModified());
}

TEST_F(StyleListEditorTest, CheckingWithTheMouseWritesVal1AndSpaceWritesVal2) {
    ASSERT_TRUE(load(kStyleType));
    QSignalSpy focus(list, &StyleListEditor::cellFocusRequested);
    QSignalSpy info(list, &StyleListEditor::infoChanged);

    clickBox("12_01_0");
    EXPECT_EQ(row("12_01_0")->checkState(), Qt::Checked);
    EXPECT_EQ(grid.text(0x12), "01");
    ASSERT_EQ(focus.count(), 1);
    EXPECT_EQ(focus.at(0).at(0).toInt(), 0x12);
    ASSERT_EQ(info.count(), 1);
    EXPECT_EQ(info.at(0).at(0).toString(), "one tip");
    EXPECT_EQ(list->currentItem(), row("12_01_0"));
    EXPECT_EQ(grid.currentCell(), 0x12);
    EXPECT_EQ(QApplication::focusWidget(), list);
    // The other row on that byte shows what the byte now holds.
    EXPECT_EQ(row("12_02_00")->checkState(), Qt::Unchecked);

    const int focusBefore = focus.count();
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(row("12_01_0")->checkState(), Qt::Unchecked);
    EXPECT_EQ(grid.text(0x12), "0");
    EXPECT_EQ(grid.bytes()[0x12], 0x00);
    EXPECT_EQ(focus.count(), focusBefore + 1);
    EXPECT_EQ(QApplication::focusWidget(), list);

    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(grid.text(0x12), "01");
}

TEST_F(StyleListEditorTest, EachClickOnTheBoxTogglesOnce) {
    ASSERT_TRUE(load(kStyleType));
    clickBox("10_1A_00");
    EXPECT_EQ(row("10_1A_00")->checkState(), Qt::Unchecked);
    EXPECT_EQ(grid.text(0x10), "00");
    clickBox("10_1A_00");
    EXPECT_EQ(row("10_1A_00")->checkState(), Qt::Checked);
    EXPECT_EQ(grid.text(0x10), "1A");
}

TEST_F(StyleListEditorTest, ClickingTheTextShowsTheTipAndChangesNothing) {
    ASSERT_TRUE(load(kStyleType));
    const std::vector<std::uint8_t> before = grid.bytes();
    QSignalSpy focus(list, &StyleListEditor::cellFocusRequested);
    QSignalSpy info(list, &StyleListEditor::infoChanged);

    clickText("12_01_0");
    ASSERT_EQ(focus.count(), 1);
    EXPECT_EQ(focus.at(0).at(0).toInt(), 0x12);
    ASSERT_EQ(info.count(), 1);
    EXPECT_EQ(info.at(0).at(0).toString(), "one tip");
    EXPECT_EQ(row("12_01_0")->checkState(), Qt::Unchecked);
    EXPECT_EQ(grid.bytes(), before);
    EXPECT_EQ(QApplication::focusWidget(), list);

    clickText("12_01_0");
    EXPECT_EQ(focus.count(), 2);
    EXPECT_EQ(grid.bytes(), before);
}

TEST_F(StyleListEditorTest, DuplicateKeyReportsAndKeepsTheRowsBefore) {
    EXPECT_FALSE(load(R"(
        <i ID="A" offset="10" val1="1A" val2="00"/>
        <i ID="B" offset="11" val1="01" val2="00"/>
        <i ID="A again" offset="10" val1="1A" val2="00"/>
        <i ID="After" offset="12" val1="02" val2="00"/>
    )"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "B");

    EXPECT_TRUE(load(kStyleType));
    EXPECT_EQ(list->count(), 4);
}

TEST_F(StyleListEditorTest, OffsetBeyondTheFileFails) {
    EXPECT_FALSE(load(R"(<i ID="Far" offset="20" val1="01" val2="00"/>)"));
    EXPECT_EQ(list->count(), 0);
}

} // namespace
} // namespace vantrel
