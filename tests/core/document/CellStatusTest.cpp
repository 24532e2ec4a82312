// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/CellStatus.h"

#include "core/i18n/UiStrings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

UiStrings labelledStrings() {
    std::vector<std::string> table(21);
    table[17] = "Offset";
    table[18] = " Hex";
    table[19] = " Dec";
    table[20] = " Bin";
    return UiStrings(table);
}

TEST(CellStatus, ShowsHexIndexWithDecimalTextDecimalAndBinaryInOrder) {
    const UiStrings strings = labelledStrings();
    EXPECT_EQ(cellStatusText(26, "A5", strings), "Offset: 1A (26) Hex: A5 Dec: 165 Bin: 10100101");
    EXPECT_EQ(cellStatusText(0, "00", strings), "Offset: 0 (0) Hex: 00 Dec: 0 Bin: 00000000");
    EXPECT_EQ(cellStatusText(4999, "7", strings),
              "Offset: 1387 (4999) Hex: 7 Dec: 7 Bin: 00000111");
    EXPECT_EQ(cellStatusText(1, "ff", strings), "Offset: 1 (1) Hex: ff Dec: 255 Bin: 11111111");
}

TEST(CellStatus, ACellThatIsNoByteShowsItsTextAndQuestionMarks) {
    const UiStrings strings = labelledStrings();
    EXPECT_EQ(cellStatusText(3, "", strings), "Offset: 3 (3) Hex:  Dec: ? Bin: ?");
    EXPECT_EQ(cellStatusText(3, "G1", strings), "Offset: 3 (3) Hex: G1 Dec: ? Bin: ?");
    EXPECT_EQ(cellStatusText(3, "123", strings), "Offset: 3 (3) Hex: 123 Dec: ? Bin: ?");
}

} // namespace
} // namespace vantrel
