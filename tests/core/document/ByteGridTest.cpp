// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/ByteGrid.h"

#include "core/base/BitHelpers.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vantrel {
namespace {

TEST(ByteGridTest, RebuildKeepsCellZeroAndStartsTheOthersEmpty) {
    ByteGrid grid;
    grid.load({0x12, 0x34, 0x56});
    grid.rebuild(0);
    ASSERT_EQ(grid.cellCount(), 1);
    EXPECT_EQ(grid.text(0), "12");

    grid.rebuild(20);
    EXPECT_EQ(grid.cellCount(), 21);
    EXPECT_EQ(grid.text(0), "12");
    EXPECT_EQ(grid.text(20), "");
    EXPECT_EQ(grid.text(21), ""); // past the end reads as empty, not a fault

    grid.rebuild(-5);
    EXPECT_EQ(grid.cellCount(), 1);
}

TEST(ByteGridTest, FocusMovesTheBorderAndKeepsItOnRefocus) {
    ByteGrid grid;
    grid.load(std::vector<std::uint8_t>(40, 0));
    grid.focusCell(26);
    EXPECT_TRUE(grid.hasBorder(26));
    EXPECT_EQ(grid.currentCell(), 26);

    grid.focusCell(26);
    EXPECT_TRUE(grid.hasBorder(26));

    grid.focusCell(3);
    EXPECT_FALSE(grid.hasBorder(26));
    EXPECT_TRUE(grid.hasBorder(3));
    EXPECT_EQ(grid.currentCell(), 3);

    grid.focusCell(40); // no such cell: nothing changes
    EXPECT_TRUE(grid.hasBorder(3));
    EXPECT_EQ(grid.currentCell(), 3);
}

TEST(ByteGridTest, LoadingASmallerFileMakesCellZeroCurrent) {
    ByteGrid grid;
    grid.load(std::vector<std::uint8_t>(100, 0));
    grid.focusCell(90);
    grid.load({1, 2, 3});
    EXPECT_EQ(grid.currentCell(), 0);
    EXPECT_FALSE(grid.hasBorder(90));

    grid.focusCell(1);
    EXPECT_TRUE(grid.hasBorder(1));
    EXPECT_EQ(grid.currentCell(), 1);
}

TEST(ByteGridTest, ValueAcceptsOnlyOneOrTwoHexDigits) {
    ByteGrid grid;
    grid.rebuild(7);
    const std::vector<std::pair<std::string, std::optional<std::uint8_t>>> cases = {
        {"A5", 0xA5},       {"a5", 0xA5},         {"7", 0x07},           {"00", 0x00},
        {"", std::nullopt}, {"G1", std::nullopt}, {"123", std::nullopt}, {"0x", std::nullopt}};
    for (int i = 0; i < static_cast<int>(cases.size()); ++i)
        grid.setText(i, cases[static_cast<std::size_t>(i)].first);
    for (int i = 0; i < static_cast<int>(cases.size()); ++i)
        EXPECT_EQ(grid.value(i), cases[static_cast<std::size_t>(i)].second) << grid.text(i);
    EXPECT_EQ(grid.firstInvalidCell(), 4);
}

TEST(ByteGridTest, TextAndFocusListenersHearOnlyTheirOwnChanges) {
    ByteGrid grid;
    std::vector<int> texts;
    std::vector<int> focus;
    const ListenerConnection textListening =
        grid.addListener([&texts](int index) { texts.push_back(index); });
    const ListenerConnection focusListening =
        grid.addFocusListener([&focus](int index) { focus.push_back(index); });
    grid.rebuild(3);
    grid.writeByte(2, 0xFF);
    grid.focusCell(1);
    grid.focusCell(1);     // already current and bordered: nothing to tell
    grid.setText(9, "00"); // no such cell: no notice
    grid.setBorder(3, true);
    grid.setCurrentCell(3);
    grid.focusCell(1); // cell 1 kept its border: it is told once, as current
    EXPECT_EQ(texts, (std::vector<int>{-1, 2}));
    EXPECT_EQ(focus, (std::vector<int>{1, 3, 3, 3, 1}));
}

// Random edits through the grid checked against a plain byte vector, the
// way a file would be written back by saving.
TEST(ByteGridTest, RandomEditsMatchAPlainByteVector) {
    std::mt19937 random(20240607);
    for (int round = 0; round < 50; ++round) {
        std::vector<std::uint8_t> expected(1 + random() % 5000);
        for (auto& byte : expected)
            byte = static_cast<std::uint8_t>(random());
        ByteGrid grid;
        grid.load(expected);

        for (int edit = 0; edit < 200; ++edit) {
            const int index = static_cast<int>(random() % expected.size());
            const auto value = static_cast<std::uint8_t>(random());
            switch (random() % 4) {
            case 0:
                grid.writeByte(index, value);
                break;
            case 1:
                grid.setText(index, padToTwoDigits(toHex(value)));
                break;
            case 2: { // typed in lower case, one digit when it fits
                std::string text = toHex(value);
                for (char& c : text)
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                grid.setText(index, text);
                break;
            }
            default: {
                const int bit = static_cast<int>(random() % 8);
                const bool on = value % 2 == 0;
                grid.setText(index, setBitInHex(grid.text(index), bit, on));
                auto& byte = expected[static_cast<std::size_t>(index)];
                byte = static_cast<std::uint8_t>(on ? (byte | (1 << bit)) : (byte & ~(1 << bit)));
                continue;
            }
            }
            expected[static_cast<std::size_t>(index)] = value;
        }
        ASSERT_EQ(grid.firstInvalidCell(), std::nullopt);
        ASSERT_EQ(grid.bytes(), expected) << "round " << round;
    }
}

} // namespace
} // namespace vantrel
