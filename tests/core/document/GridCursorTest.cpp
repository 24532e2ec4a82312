// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/GridCursor.h"

#include "core/document/ByteGrid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vantrel {
namespace {

class GridCursorTest : public ::testing::Test {
  protected:
    GridCursorTest() : cursor(grid) {
        grid.load(std::vector<std::uint8_t>(40, 0xA5));
        cursor.setNavigationEnabled(true);
    }

    ByteGrid grid;
    GridCursor cursor;
};

TEST_F(GridCursorTest, RightMovesTheCaretThenTheFocus) {
    cursor.focus(5);
    EXPECT_EQ(cursor.moveRight(), std::nullopt);
    EXPECT_EQ(cursor.caret(), 1);
    EXPECT_EQ(cursor.moveRight(), std::nullopt);
    EXPECT_EQ(cursor.caret(), 2);
    EXPECT_EQ(cursor.moveRight(), 6);
    EXPECT_EQ(cursor.index(), 6);
    EXPECT_EQ(cursor.caret(), 0);
}

TEST_F(GridCursorTest, LeftMovesTheFocusOnlyFromCaretZero) {
    cursor.focus(5);
    cursor.setCaret(2);
    EXPECT_EQ(cursor.moveLeft(), std::nullopt);
    EXPECT_EQ(cursor.moveLeft(), std::nullopt);
    EXPECT_EQ(cursor.caret(), 0);
    EXPECT_EQ(cursor.moveLeft(), 4);
    EXPECT_EQ(cursor.index(), 4);
    EXPECT_EQ(cursor.caret(), 0); // arriving puts the caret first, as any focus does
}

TEST_F(GridCursorTest, UpAndDownMoveARowWhateverTheCaret) {
    cursor.focus(20);
    cursor.setCaret(1);
    EXPECT_EQ(cursor.moveUp(), 4);
    EXPECT_EQ(cursor.moveDown(), 20);
    EXPECT_EQ(cursor.moveDown(), 36);
    EXPECT_EQ(cursor.caret(), 0);
}

TEST_F(GridCursorTest, MovesPastEitherEndDoNothing) {
    cursor.focus(0);
    EXPECT_EQ(cursor.moveLeft(), std::nullopt);
    EXPECT_EQ(cursor.moveUp(), std::nullopt);
    EXPECT_EQ(cursor.index(), 0);

    cursor.focus(30); // row 1; nothing 16 further on in 40 cells
    EXPECT_EQ(cursor.moveDown(), std::nullopt);
    EXPECT_EQ(cursor.index(), 30);

    cursor.focus(39);
    cursor.setCaret(2);
    EXPECT_EQ(cursor.moveRight(), std::nullopt);
    EXPECT_EQ(cursor.index(), 39);
    EXPECT_EQ(cursor.caret(), 2);
}

TEST_F(GridCursorTest, ShortCellsLetTheFocusGoAtTheirEnd) {
    grid.setText(7, "7");
    grid.setText(8, "");
    cursor.focus(7);
    EXPECT_EQ(cursor.moveRight(), std::nullopt);
    EXPECT_EQ(cursor.caret(), 1);
    EXPECT_EQ(cursor.moveRight(), 8);
    EXPECT_EQ(cursor.moveRight(), 9); // an empty cell: the caret is already at its end

    cursor.focus(6);
    cursor.setCaret(2);
    grid.setText(6, "1"); // rewritten under the caret
    EXPECT_EQ(cursor.caret(), 1);
}

TEST_F(GridCursorTest, WithoutNavigationArrowsStayInTheCell) {
    cursor.setNavigationEnabled(false);
    cursor.focus(20);
    EXPECT_EQ(cursor.moveUp(), std::nullopt);
    EXPECT_EQ(cursor.moveDown(), std::nullopt);
    EXPECT_EQ(cursor.moveLeft(), std::nullopt);
    EXPECT_EQ(cursor.moveRight(), std::nullopt);
    EXPECT_EQ(cursor.moveRight(), std::nullopt);
    EXPECT_EQ(cursor.moveRight(), std::nullopt);
    EXPECT_EQ(cursor.index(), 20);
    EXPECT_EQ(cursor.caret(), 2);
}

TEST_F(GridCursorTest, TypedDigitsOverwriteInUpperCaseAndRunOn) {
    cursor.focus(10);
    EXPECT_EQ(cursor.typeCharacter('3'), std::nullopt);
    EXPECT_EQ(grid.text(10), "35");
    EXPECT_EQ(cursor.typeCharacter('c'), std::nullopt);
    EXPECT_EQ(grid.text(10), "3C");
    EXPECT_EQ(cursor.caret(), 2);

    EXPECT_EQ(cursor.typeCharacter('f'), 11);
    EXPECT_EQ(grid.text(11), "F5");
    EXPECT_EQ(cursor.index(), 11);
    EXPECT_EQ(cursor.caret(), 1);
    EXPECT_EQ(grid.value(10), 0x3C);
}

TEST_F(GridCursorTest, TypingStopsAtTheLastCellAndIgnoresOtherCharacters) {
    cursor.focus(39);
    cursor.setCaret(2);
    EXPECT_EQ(cursor.typeCharacter('1'), std::nullopt);
    EXPECT_EQ(grid.text(39), "A5");
    EXPECT_EQ(cursor.index(), 39);

    cursor.setCaret(0);
    for (char c : {'g', 'G', ' ', 'x', '-', '\n'})
        EXPECT_EQ(cursor.typeCharacter(c), std::nullopt);
    EXPECT_EQ(grid.text(39), "A5");
    EXPECT_EQ(cursor.caret(), 0);
}

TEST_F(GridCursorTest, TypingIntoAnEmptiedCellAppends) {
    cursor.focus(3);
    cursor.deleteForward();
    cursor.deleteForward();
    cursor.deleteForward(); // nothing left to delete
    EXPECT_EQ(grid.text(3), "");
    EXPECT_EQ(grid.value(3), std::nullopt); // saving will refuse it until it is refilled
    cursor.typeCharacter('0');
    cursor.typeCharacter('d');
    EXPECT_EQ(grid.text(3), "0D");
    EXPECT_EQ(cursor.caret(), 2);
}

TEST_F(GridCursorTest, BackspaceRemovesTheCharacterBeforeTheCaret) {
    cursor.focus(2);
    cursor.backspace(); // caret 0: nothing before it
    EXPECT_EQ(grid.text(2), "A5");
    cursor.moveEnd();
    cursor.backspace();
    EXPECT_EQ(grid.text(2), "A");
    EXPECT_EQ(cursor.caret(), 1);
    cursor.moveHome();
    cursor.deleteForward();
    EXPECT_EQ(grid.text(2), "");
    EXPECT_EQ(cursor.index(), 2);

    grid.setText(3, "AB");
    cursor.focus(3);
    cursor.setCaret(1); // after the "A"
    cursor.backspace();
    EXPECT_EQ(grid.text(3), "B");
    EXPECT_EQ(cursor.caret(), 0);
}

TEST_F(GridCursorTest, ACellLongerThanTwoCharactersStillEdits) {
    grid.setText(4, "123");
    cursor.focus(4);
    cursor.moveEnd();
    EXPECT_EQ(cursor.caret(), 2);
    cursor.deleteForward();
    EXPECT_EQ(grid.text(4), "12");
}

TEST(GridCursorPages, PageDownAndCtrlEndReachTheLastCellOfTheLargestFile) {
    ByteGrid grid;
    grid.load(std::vector<std::uint8_t>(5000, 0x11));
    GridCursor cursor(grid);
    cursor.focus(3);
    EXPECT_EQ(cursor.movePageDown(15), 3 + 15 * 16);
    int pages = 1;
    while (cursor.movePageDown(15))
        ++pages;
    EXPECT_EQ(cursor.index(), 4999); // the last row is short: the last cell, not column 3
    EXPECT_EQ(pages, 21);
    EXPECT_EQ(cursor.movePageUp(15), 4999 - 15 * 16);
    while (cursor.movePageUp(15)) {
    }
    EXPECT_EQ(cursor.index(), 7); // the first row, in the column it was in

    EXPECT_EQ(cursor.moveLast(), 4999);
    EXPECT_EQ(cursor.moveLast(), std::nullopt);
    EXPECT_EQ(cursor.moveFirst(), 0);

    cursor.setNavigationEnabled(false); // no file open: the focus stays
    EXPECT_EQ(cursor.moveLast(), std::nullopt);
    EXPECT_EQ(cursor.movePageDown(15), std::nullopt);
}

} // namespace
} // namespace vantrel
