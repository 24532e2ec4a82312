// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/base/BitHelpers.h"

#include <gtest/gtest.h>

#include <cstdint>
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

} // namespace
} // namespace vantrel
