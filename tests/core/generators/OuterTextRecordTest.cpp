// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generators/OuterTextRecord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Sixteen text bytes (zero-padded) followed by the fixed tail.
Bytes recordWithText(Bytes text) {
    text.resize(16, 0x00);
    text.insert(text.end(), {0x00, 0x00});
    text.insert(text.end(), 16, 0xFF);
    return text;
}

TEST(OuterTextRecord, EncodesTextBigEndianZeroPaddedBeforeTheFixedTail) {
    EXPECT_EQ(encodeOuterTextRecord(u""), recordWithText({}));
    EXPECT_EQ(encodeOuterTextRecord(u"ABC"), recordWithText({0x00, 0x41, 0x00, 0x42, 0x00, 0x43}));
    EXPECT_EQ(encodeOuterTextRecord(u"中文"), recordWithText({0x4E, 0x2D, 0x65, 0x87}));
    EXPECT_EQ(encodeOuterTextRecord(u"ABCDEFGHIJ").size(), kOuterTextRecordSize);
}

TEST(OuterTextRecord, KeepsEightUnitsWhateverTheHintSays) {
    EXPECT_EQ(decodeOuterTextRecord(encodeOuterTextRecord(u"ABCDEFGHIJ")), u"ABCDEFGH");

    const std::u16string sixteenLetters = u"ABCDEFGHIJKLMNOP";
    EXPECT_TRUE(outerTextFitsScreen(sixteenLetters));
    EXPECT_EQ(decodeOuterTextRecord(encodeOuterTextRecord(sixteenLetters)), u"ABCDEFGH");
    EXPECT_FALSE(outerTextFitsScreen(sixteenLetters + u"Q"));

    const std::u16string eightChinese = u"一二三四五六七八";
    EXPECT_TRUE(outerTextFitsScreen(eightChinese));
    EXPECT_EQ(decodeOuterTextRecord(encodeOuterTextRecord(eightChinese)), eightChinese);
    EXPECT_FALSE(outerTextFitsScreen(eightChinese + u"九"));
    EXPECT_EQ(decodeOuterTextRecord(encodeOuterTextRecord(eightChinese + u"九")), eightChinese);
}

TEST(OuterTextRecord, BlanksAreTrimmedOnSavingButCountInTheHint) {
    const std::u16string padded = u" 一二三四五六七八 ";
    EXPECT_FALSE(outerTextFitsScreen(padded));
    EXPECT_EQ(encodeOuterTextRecord(padded), encodeOuterTextRecord(u"一二三四五六七八"));
    EXPECT_EQ(encodeOuterTextRecord(u"  A B  "),
              recordWithText({0x00, 0x41, 0x00, 0x20, 0x00, 0x42}));
    EXPECT_EQ(encodeOuterTextRecord(u"    "), recordWithText({}));
}

TEST(OuterTextRecord, NeverStoresHalfASurrogatePair) {
    // U+1F600 is D83D DE00: at units 7-8 it does not fit and goes whole.
    EXPECT_EQ(encodeOuterTextRecord(u"ABCDEFG\U0001F600"), encodeOuterTextRecord(u"ABCDEFG"));
    EXPECT_EQ(encodeOuterTextRecord(u"ABCDEF\U0001F600"),
              recordWithText({0x00, 0x41, 0x00, 0x42, 0x00, 0x43, 0x00, 0x44, 0x00, 0x45, 0x00,
                              0x46, 0xD8, 0x3D, 0xDE, 0x00}));
    // A surrogate without its partner is no character at all.
    const std::u16string lone{u'A', char16_t(0xD83D), u'B'};
    EXPECT_EQ(encodeOuterTextRecord(lone), encodeOuterTextRecord(u"AB"));
    // A non-BMP character is one character of the screen, counted 2.
    EXPECT_TRUE(outerTextFitsScreen(u"ABCDEFGHIJKLMN\U0001F600"));
}

TEST(OuterTextRecord, DecodesUpToTheFirstZeroUnitAndPadsShortRecords) {
    EXPECT_EQ(decodeOuterTextRecord(recordWithText({0x00, 0x41, 0x00, 0x00, 0x00, 0x42})), u"A");
    EXPECT_EQ(decodeOuterTextRecord(recordWithText({})), u"");
    EXPECT_EQ(decodeOuterTextRecord(Bytes{0x00, 0x41, 0x00}), u"A");
    EXPECT_EQ(decodeOuterTextRecord(Bytes{0x4E}), u"一");
    EXPECT_EQ(decodeOuterTextRecord(Bytes{}), u"");
    // A hostile record ending in half a pair shows the whole characters only.
    Bytes halfPair = encodeOuterTextRecord(u"ABCDEFG");
    halfPair[14] = 0xD8;
    halfPair[15] = 0x3D;
    EXPECT_EQ(decodeOuterTextRecord(halfPair), u"ABCDEFG");
}

} // namespace
} // namespace vantrel
