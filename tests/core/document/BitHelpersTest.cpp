// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/BitHelpers.h"
#include "core/document/ByteGrid.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vantrel {
namespace {

TEST(BitHelpers, FileExtensionIsTheTextAfterTheLastDot) {
    EXPECT_EQ(fileExtension("0032_0001.seem"), "seem");
    EXPECT_EQ(fileExtension("a.b.c"), "c");
    EXPECT_EQ(fileExtension("name."), "");
    EXPECT_EQ(fileExtension("name"), "");
    EXPECT_EQ(fileExtension(""), "");
    // The last dot may sit in a folder name; the rest of the path follows it.
    EXPECT_EQ(fileExtension("C:\\dir.x\\file"), "x\\file");
}

TEST(BitHelpers, BinaryTextsRoundTrip) {
    EXPECT_EQ(fromBinary(""), 0);
    EXPECT_EQ(fromBinary("00001010"), 10);
    EXPECT_EQ(fromBinary("11111111"), 255);
    EXPECT_EQ(fromBinary("100000000"), 256);
    EXPECT_EQ(fromBinary(std::string(31, '1')), 2147483647);
    EXPECT_EQ(fromBinary("1" + std::string(31, '0')), 2147483647);
    EXPECT_EQ(fromBinary(std::string(40, '1')), 2147483647);

    EXPECT_EQ(toBinary(0), "00000000");
    EXPECT_EQ(toBinary(1), "00000001");
    EXPECT_EQ(toBinary(2), "00000010");
    EXPECT_EQ(toBinary(165), "10100101");
    EXPECT_EQ(toBinary(255), "11111111");
    EXPECT_EQ(toBinary(256), "100000000");

    for (int n = 0; n < 1024; ++n)
        ASSERT_EQ(fromBinary(toBinary(n)), n) << n;
}

TEST(BitHelpers, PadToTwoDigitsPadsOnlyOneCharacter) {
    EXPECT_EQ(padToTwoDigits(""), "");
    EXPECT_EQ(padToTwoDigits("7"), "07");
    EXPECT_EQ(padToTwoDigits("7F"), "7F");
    EXPECT_EQ(padToTwoDigits("123"), "123");
    EXPECT_EQ(padToTwoDigits("a"), "0a"); // case is the caller's business
}

TEST(BitHelpers, IsBitSetCountsFromTheLeastSignificantBit) {
    EXPECT_TRUE(isBitSet("A5", 0));
    EXPECT_FALSE(isBitSet("A5", 1));
    EXPECT_TRUE(isBitSet("A5", 2));
    EXPECT_TRUE(isBitSet("a5", 7));
    EXPECT_TRUE(isBitSet("80", 7));
    EXPECT_FALSE(isBitSet("80", 6));
    EXPECT_TRUE(isBitSet("1", 0));
    EXPECT_FALSE(isBitSet("FF", -1));
}

TEST(BitHelpers, SetBitInHexAnswersTwoUpperCaseDigits) {
    EXPECT_EQ(setBitInHex("A5", 1, true), "A7");
    EXPECT_EQ(setBitInHex("A5", 0, false), "A4");
    EXPECT_EQ(setBitInHex("0", 7, true), "80");
    EXPECT_EQ(setBitInHex("ff", 3, true), "FF");
    EXPECT_EQ(setBitInHex("ff", 3, false), "F7");
    EXPECT_EQ(setBitInHex("00", 0, true), "01");
    EXPECT_EQ(setBitInHex("a", 4, false), "0A");

    // Every bit of every byte: only bit n changes.
    for (int value = 0; value < 256; ++value) {
        for (int n = 0; n < 8; ++n) {
            const std::string hex = byteToHex(static_cast<std::uint8_t>(value));
            const auto set = parseHex(setBitInHex(hex, n, true));
            const auto cleared = parseHex(setBitInHex(hex, n, false));
            ASSERT_TRUE(set && cleared);
            ASSERT_EQ(*set, static_cast<std::uint32_t>(value | (1 << n))) << hex << " bit " << n;
            ASSERT_EQ(*cleared, static_cast<std::uint32_t>(value & ~(1 << n)));
            ASSERT_EQ(isBitSet(hex, n), ((value >> n) & 1) == 1);
        }
    }
}

TEST(BitHelpers, HexAndDecimalParsingRejectForeignText) {
    EXPECT_EQ(parseHex("a5"), 0xA5U);
    EXPECT_EQ(parseHex("FFFFFFFF"), 0xFFFFFFFFU);
    EXPECT_EQ(parseHex(""), std::nullopt);
    EXPECT_EQ(parseHex("G1"), std::nullopt);
    EXPECT_EQ(parseHex(" 1"), std::nullopt);
    EXPECT_EQ(parseHex("-1"), std::nullopt);
    EXPECT_EQ(parseHex("0x10"), std::nullopt);
    EXPECT_EQ(parseHex("100000000"), std::nullopt);

    EXPECT_EQ(parseDecimal("+12"), 12);
    EXPECT_EQ(parseDecimal("-3"), -3);
    EXPECT_EQ(parseDecimal("1a"), std::nullopt);
    EXPECT_EQ(parseDecimal("+"), std::nullopt);

    EXPECT_EQ(toHex(0), "0");
    EXPECT_EQ(toHex(0xabc), "ABC");
    EXPECT_EQ(byteToHex(0x0d), "0D");
}

TEST(ByteGridModel, RebuildKeepsCellZeroAndStartsTheOthersEmpty) {
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

TEST(ByteGridModel, FocusMovesTheBorderAndKeepsItOnRefocus) {
    ByteGrid grid;
    grid.load(std::vector<std::uint8_t>(40, 0));
    grid.focusCell(26);
    EXPECT_TRUE(grid.hasBorder(26));
    EXPECT_EQ(grid.lastSelect(), 26);

    grid.focusCell(26);
    EXPECT_TRUE(grid.hasBorder(26));

    grid.focusCell(3);
    EXPECT_FALSE(grid.hasBorder(26));
    EXPECT_TRUE(grid.hasBorder(3));
    EXPECT_EQ(grid.lastSelect(), 3);

    grid.focusCell(40); // no such cell: nothing changes
    EXPECT_TRUE(grid.hasBorder(3));
    EXPECT_EQ(grid.lastSelect(), 3);
}

TEST(ByteGridModel, LastSelectBeyondASmallerFileDoesNotFail) {
    ByteGrid grid;
    grid.load(std::vector<std::uint8_t>(100, 0));
    grid.focusCell(90);
    grid.load({1, 2, 3});
    EXPECT_EQ(grid.lastSelect(), 90);
    EXPECT_FALSE(grid.hasBorder(90));

    grid.focusCell(1);
    EXPECT_TRUE(grid.hasBorder(1));
    EXPECT_EQ(grid.lastSelect(), 1);
}

TEST(ByteGridModel, ValueAcceptsOnlyOneOrTwoHexDigits) {
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

TEST(ByteGridModel, ListenersAreToldTheCellOrAWholeRebuild) {
    ByteGrid grid;
    std::vector<int> told;
    const ListenerConnection listening =
        grid.addListener([&told](int index) { told.push_back(index); });
    grid.rebuild(3);
    grid.writeByte(2, 0xFF);
    grid.focusCell(1);
    grid.setText(9, "00"); // no such cell: no notice
    EXPECT_EQ(told, (std::vector<int>{-1, 2, 1}));
}

// Random edits through the grid checked against a plain byte vector, the
// way a file would be written back by saving.
TEST(ByteGridModel, RandomEditsMatchAPlainByteVector) {
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
