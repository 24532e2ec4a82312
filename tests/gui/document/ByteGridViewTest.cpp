// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/document/ByteGridView.h"

#include "core/i18n/BuiltinStrings.h"
#include "gui/TestSession.h"
#include "gui/document/GridRuler.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vantrel {
namespace {

std::vector<std::uint8_t> countingBytes(int size) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    return bytes;
}

class ByteGridViewTest : public ::testing::Test {
  protected:
    ByteGridViewTest() : view(test.session) {
        view.resize(view.sizeHint());
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    void open(const std::vector<std::uint8_t>& bytes) {
        test.session.openBytes("file.seem", bytes);
        view.setNavigationEnabled(true);
    }

    void clickCell(int index) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.cellRect(index).center());
    }

    void press(Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(&view, key);
    }

    [[nodiscard]] bool cellFullyShown(int index) const {
        return view.viewport()->rect().contains(view.cellRect(index));
    }

    testing::TestSession test;
    const ByteGrid& grid = test.grid();
    const UiStrings& strings = test.session.strings();
    ByteGridView view;
};

TEST_F(ByteGridViewTest, NamesItsPartsAsTheMainWindowExpects) {
    EXPECT_EQ(view.objectName(), "picEdit");
    EXPECT_EQ(view.viewport()->objectName(), "picText");
    EXPECT_EQ(view.verticalScrollBar()->objectName(), "v_sb");
    EXPECT_EQ(view.sizeHint(), QSize(477, 330));
}

TEST_F(ByteGridViewTest, CellsLieSixteenToARowAtTheirPixelPlaces) {
    open(countingBytes(40));
    EXPECT_EQ(view.cellRect(0), QRect(7, 4, 22, 19));
    EXPECT_EQ(view.cellRect(15).top(), view.cellRect(0).top());
    EXPECT_EQ(view.cellRect(16).left(), view.cellRect(0).left());
    EXPECT_EQ(view.cellRect(16).top(), view.cellRect(0).top() + 20);
    for (int i = 1; i < 16; ++i)
        EXPECT_GT(view.cellRect(i).left(), view.cellRect(i - 1).right()) << i;
    EXPECT_TRUE(cellFullyShown(15)) << "the last column is cut off by the scroll bar";
    EXPECT_EQ(view.cellAt(view.cellRect(37).center()), 37);
    EXPECT_EQ(view.cellAt(view.cellRect(0).topLeft() - QPoint(2, 0)), -1);
    EXPECT_EQ(view.cellRect(40), QRect());
}

TEST_F(ByteGridViewTest, ClickingACellFocusesItAndShowsItsStatus) {
    std::vector<std::uint8_t> bytes = countingBytes(40);
    bytes[26] = 0xA5;
    open(bytes);
    QSignalSpy focused(&view, &ByteGridView::cellFocused);
    clickCell(26);

    ASSERT_EQ(focused.count(), 1);
    EXPECT_EQ(focused.front().front().toInt(), 26);
    EXPECT_EQ(view.editIndex(), 26);
    EXPECT_EQ(grid.currentCell(), 26);
    EXPECT_TRUE(grid.hasBorder(26));
    EXPECT_TRUE(view.hasFocus());
    EXPECT_EQ(view.cellStatus(26).toStdString(),
              strings.get(UiString::CellOffset) + ": 1A (26)" + strings.get(UiString::CellHex) +
                  ": A5" + strings.get(UiString::CellDecimal) + ": 165" +
                  strings.get(UiString::CellBinary) + ": 10100101");

    // A click between cells focuses nothing.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      view.cellRect(3).topRight() + QPoint(3, 0));
    EXPECT_EQ(focused.count(), 1);
    EXPECT_EQ(grid.currentCell(), 26);
}

TEST_F(ByteGridViewTest, TheBorderMovesWithTheFocusAndStaysOnRefocus) {
    open(countingBytes(40));
    clickCell(5);
    clickCell(5);
    EXPECT_TRUE(grid.hasBorder(5));
    clickCell(9);
    EXPECT_FALSE(grid.hasBorder(5));
    EXPECT_TRUE(grid.hasBorder(9));
    view.focusCell(9);
    EXPECT_TRUE(grid.hasBorder(9));
}

TEST_F(ByteGridViewTest, ArrowKeysFollowTheCaretRules) {
    open(countingBytes(40));
    QSignalSpy focused(&view, &ByteGridView::cellFocused);
    view.focusCell(20);
    EXPECT_EQ(view.caret(), 0);

    press(Qt::Key_Right);
    EXPECT_EQ(view.editIndex(), 20);
    EXPECT_EQ(view.caret(), 1);
    press(Qt::Key_Right);
    EXPECT_EQ(view.editIndex(), 20);
    EXPECT_EQ(view.caret(), 2);
    press(Qt::Key_Right);
    EXPECT_EQ(view.editIndex(), 21);
    EXPECT_EQ(view.caret(), 0);
    EXPECT_EQ(grid.currentCell(), 21);

    press(Qt::Key_Left);
    EXPECT_EQ(view.editIndex(), 20);
    press(Qt::Key_Up);
    EXPECT_EQ(view.editIndex(), 4);
    press(Qt::Key_Up); // first row: nothing above
    EXPECT_EQ(view.editIndex(), 4);
    press(Qt::Key_Down, 2);
    EXPECT_EQ(view.editIndex(), 36);
    press(Qt::Key_Down); // no cell 52
    EXPECT_EQ(view.editIndex(), 36);
    EXPECT_TRUE(grid.hasBorder(36));

    const QList<int> expected = {20, 21, 20, 4, 20, 36};
    QList<int> seen;
    for (const auto& call : focused)
        seen.push_back(call.front().toInt());
    EXPECT_EQ(seen, expected);
}

TEST_F(ByteGridViewTest, ArrowsStayInTheCellWhileNoFileIsOpen) {
    open(countingBytes(40));
    view.setNavigationEnabled(false);
    view.focusCell(20);
    press(Qt::Key_Right, 3);
    press(Qt::Key_Down);
    EXPECT_EQ(view.editIndex(), 20);
    EXPECT_EQ(view.caret(), 2);
    EXPECT_EQ(grid.currentCell(), 20);
}

TEST_F(ByteGridViewTest, TypedDigitsReachTheDocument) {
    open(countingBytes(40));
    view.focusCell(26);
    QTest::keyClicks(&view, "a5");
    EXPECT_EQ(grid.text(26), "A5");
    EXPECT_EQ(grid.value(26), 0xA5);
    EXPECT_EQ(view.caret(), 2);

    QTest::keyClicks(&view, "zq!");                // not digits: ignored
    for (const char letter : {'a', 'b', 'c', 'd'}) // menus' access keys, not digits
        QTest::keyClick(&view, letter, Qt::AltModifier);
    EXPECT_EQ(grid.text(26), "A5");
    EXPECT_EQ(grid.text(27), "1B");

    QSignalSpy focused(&view, &ByteGridView::cellFocused);
    QTest::keyClicks(&view, "c");
    EXPECT_EQ(grid.text(27), "CB");
    ASSERT_EQ(focused.count(), 1);
    EXPECT_EQ(focused.front().front().toInt(), 27);

    press(Qt::Key_Backspace);
    press(Qt::Key_Delete);
    EXPECT_EQ(grid.text(27), "");
    EXPECT_EQ(grid.firstInvalidCell(), 27);
}

TEST_F(ByteGridViewTest, DisabledCellsTakeNeitherClicksNorTyping) {
    open(countingBytes(40));
    view.setCellsEnabled(false);
    QSignalSpy focused(&view, &ByteGridView::cellFocused);
    clickCell(8);
    QTest::keyClicks(&view, "ff");
    EXPECT_EQ(focused.count(), 0);
    EXPECT_FALSE(view.hasFocus());
    EXPECT_EQ(grid.text(0), "00");
    EXPECT_EQ(grid.text(8), "08");

    view.setCellsEnabled(true);
    clickCell(8);
    EXPECT_EQ(focused.count(), 1);
}

TEST_F(ByteGridViewTest, TheLastRowOfTheLargestFileCanBeReached) {
    open(countingBytes(5000));
    QScrollBar* bar = view.verticalScrollBar();
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_FALSE(cellFullyShown(4999));

    view.scrollToCell(4999);
    EXPECT_TRUE(cellFullyShown(4999));
    bar->setValue(bar->maximum());
    EXPECT_TRUE(cellFullyShown(4999));
    EXPECT_EQ(view.cellAt(view.cellRect(4999).center()), 4999);

    // Keyboard moves keep the focused cell in sight.
    view.focusCell(0);
    EXPECT_TRUE(cellFullyShown(0));
    press(Qt::Key_Down, 40);
    EXPECT_EQ(view.editIndex(), 640);
    EXPECT_TRUE(cellFullyShown(640));
}

TEST_F(ByteGridViewTest, RulersNameTheRowsAndColumnsBesideTheCells) {
    open(countingBytes(42));
    EXPECT_EQ(view.rowOffsets()->visibleTexts(), QStringList({"0000", "0010", "0020"}));
    const QStringList columns = view.columnHeader()->visibleTexts();
    ASSERT_EQ(columns.size(), 16);
    EXPECT_EQ(columns.front(), "0");
    EXPECT_EQ(columns.back(), "F");
    // Each offset stands level with its row, left of the first cell.
    const QPoint gutter = view.rowOffsets()->mapTo(&view, QPoint(view.rowOffsets()->width(), 0));
    const QPoint cell32 = view.viewport()->mapTo(&view, view.cellRect(32).topLeft());
    EXPECT_LE(gutter.x(), cell32.x());

    open(countingBytes(5000));
    clickCell(0);
    QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view.rowOffsets()->visibleTexts().back(), "1380");
}

TEST_F(ByteGridViewTest, PageDownAndCtrlEndReachTheLastCell) {
    open(countingBytes(5000));
    clickCell(3);
    int presses = 0;
    for (int before = -1; before != view.editIndex() && presses < 400; ++presses) {
        before = view.editIndex();
        press(Qt::Key_PageDown);
    }
    EXPECT_EQ(view.editIndex(), 4999);
    EXPECT_TRUE(cellFullyShown(4999));
    EXPECT_GT(presses, 5) << "a page is more than a few rows";

    QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(view.editIndex(), 0);
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
    QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view.editIndex(), 4999);
    EXPECT_EQ(grid.currentCell(), 4999);
    press(Qt::Key_PageUp);
    EXPECT_LT(view.editIndex(), 4999 - 16 * 5);
    EXPECT_TRUE(cellFullyShown(view.editIndex()));
}

TEST_F(ByteGridViewTest, OpeningAnotherFileShowsItFromTheTop) {
    open(countingBytes(5000));
    view.scrollToCell(4000);
    ASSERT_GT(view.verticalScrollBar()->value(), 0);

    open(countingBytes(300));
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(cellFullyShown(0));
    EXPECT_EQ(view.editIndex(), 0);

    open(countingBytes(1)); // one short row: nothing to scroll
    EXPECT_FALSE(view.verticalScrollBar()->isEnabled());
}

TEST_F(ByteGridViewTest, WhatIsShownMatchesTheCellTexts) {
    open({0x00, 0x0D, 0xA5});
    const QImage before = view.viewport()->grab().toImage();
    view.setCellValue(1, 0xA5);
    QCoreApplication::processEvents();
    const QImage after = view.viewport()->grab().toImage();

    // The rewritten cell now looks exactly like cell 2, which holds the same byte.
    const QRect cell1 = view.cellRect(1);
    const QRect cell2 = view.cellRect(2);
    EXPECT_NE(before.copy(cell1), after.copy(cell1));
    EXPECT_EQ(after.copy(cell2), after.copy(cell1));
    EXPECT_NE(after.copy(cell1), after.copy(view.cellRect(0)));
}

} // namespace
} // namespace vantrel
