// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/document/ByteGridAccessible.h"

#include "gui/TestSession.h"
#include "gui/document/ByteGridView.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vantrel {
namespace {

class ByteGridAccessibleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<std::uint8_t> bytes(40);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(i);
        test.session.openBytes("file.seem", bytes);
        view.setNavigationEnabled(true);
        view.setCellDescriber([](int index) { return QStringLiteral("byte %1").arg(index); });
        view.resize(view.sizeHint());
        view.show();
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        table = QAccessible::queryAccessibleInterface(&view);
        ASSERT_NE(table, nullptr);
        ASSERT_NE(table->tableInterface(), nullptr);
    }

    testing::TestSession test;
    ByteGridView view{test.session};
    QAccessibleInterface* table = nullptr;
};

TEST_F(ByteGridAccessibleTest, IsATableOfSixteenColumnsWithNamedCellsAndHeaders) {
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_FALSE(table->text(QAccessible::Name).isEmpty());
    QAccessibleTableInterface* cells = table->tableInterface();
    EXPECT_EQ(cells->columnCount(), 16);
    EXPECT_EQ(cells->rowCount(), 3);
    EXPECT_EQ(table->childCount(), 40);
    EXPECT_EQ(cells->cellAt(2, 8), nullptr); // past the last byte

    QAccessibleInterface* cell = cells->cellAt(1, 10);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Name), "offset 001A: 1A");
    EXPECT_EQ(cell->text(QAccessible::Value), "1A");
    EXPECT_EQ(cell->text(QAccessible::Description), "byte 26");
    EXPECT_EQ(table->indexOfChild(cell), 26);
    EXPECT_EQ(cell, table->child(26)); // the same object every time it is asked for
    QAccessibleTableCellInterface* place = cell->tableCellInterface();
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(place->rowIndex(), 1);
    EXPECT_EQ(place->columnIndex(), 10);
    EXPECT_EQ(place->rowHeaderCells().value(0)->text(QAccessible::Name), "0010");
    EXPECT_EQ(place->columnHeaderCells().value(0)->text(QAccessible::Name), "A");

    QAccessibleInterface* lastRowHeader =
        cells->cellAt(2, 0)->tableCellInterface()->rowHeaderCells().value(0);
    ASSERT_NE(lastRowHeader, nullptr) << "the last row is named too";
    EXPECT_EQ(lastRowHeader->text(QAccessible::Name), "0020");
}

// The events themselves only reach a listening screen reader (see
// scripts/atspi-check); here the answers it would read back.
TEST_F(ByteGridAccessibleTest, FollowsTheCaretAndTypedDigits) {
    view.focusCell(5);
    QTest::keyClick(&view, Qt::Key_Down);
    ASSERT_EQ(view.editIndex(), 21);
    QAccessibleInterface* focused = table->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->text(QAccessible::Name), "offset 0015: 15");
    EXPECT_TRUE(focused->state().focused);
    EXPECT_FALSE(table->child(5)->state().focused);
    EXPECT_EQ(table->tableInterface()->selectedCells().value(0), focused);

    QTest::keyClicks(&view, "ab");
    EXPECT_EQ(table->child(21)->text(QAccessible::Value), "AB");
    EXPECT_EQ(table->child(21)->valueInterface()->currentValue().toInt(), 0xAB);
}

TEST_F(ByteGridAccessibleTest, TheCellsNameSaysItsValueAsItIsTyped) {
    view.focusCell(3);
    EXPECT_EQ(table->focusChild()->text(QAccessible::Name), "offset 0003: 03");
    QTest::keyClick(&view, Qt::Key_C);
    EXPECT_NE(table->child(3)->text(QAccessible::Name), "offset 0003: 03");
    EXPECT_TRUE(table->child(3)->text(QAccessible::Name).startsWith("offset 0003: C"));
}

TEST_F(ByteGridAccessibleTest, ForgetsCellsTheGridNoLongerHas) {
    QAccessibleInterface* last = table->child(39);
    ASSERT_NE(last, nullptr);
    const QAccessible::Id id = QAccessible::uniqueId(last);
    test.session.openBytes("other.seem", std::vector<std::uint8_t>(8, 0xFF));
    EXPECT_EQ(table->tableInterface()->rowCount(), 1);
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
    EXPECT_EQ(table->child(7)->text(QAccessible::Value), "FF");
}

// A screen reader sets a byte as typing would, only where typing is possible;
// a cell that holds no byte has no value to read.
TEST_F(ByteGridAccessibleTest, AValueIsSetOnlyWhereTheCellsTakeTypingAndAnEmptyCellHasNone) {
    QAccessibleValueInterface* sixth = table->child(6)->valueInterface();
    ASSERT_NE(sixth, nullptr);
    view.setCellsEnabled(false);
    sixth->setCurrentValue(0x7E);
    EXPECT_EQ(test.grid().text(6), "06");
    view.setCellsEnabled(true);
    sixth->setCurrentValue(0x7E);
    EXPECT_EQ(test.grid().text(6), "7E");
    test.session.undo();
    EXPECT_EQ(test.grid().text(6), "06");
    sixth->setCurrentValue(255);
    EXPECT_EQ(test.grid().text(6), "FF");
    sixth->setCurrentValue(256);
    EXPECT_EQ(test.grid().text(6), "FF");

    view.focusCell(9);
    QTest::keyClick(&view, Qt::Key_Delete);
    QTest::keyClick(&view, Qt::Key_Delete);
    ASSERT_EQ(test.grid().text(9), "");
    EXPECT_FALSE(table->child(9)->valueInterface()->currentValue().isValid());
}

} // namespace
} // namespace vantrel
