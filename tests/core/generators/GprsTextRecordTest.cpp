// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generators/GprsTextRecord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes zeroPadded(Bytes bytes) {
    bytes.resize(kGprsTextRecordSize, 0x00);
    return bytes;
}

TEST(GprsTextRecord, EachModeWritesItsBytes) {
    EXPECT_EQ(encodeGprsTextRecord(GprsDisplayMode::AlwaysDate, u"ignored"), zeroPadded({}));
    EXPECT_EQ(encodeGprsTextRecord(GprsDisplayMode::ShowNothing, u"ignored"),
              zeroPadded({0x00, 0x20}));
    EXPECT_EQ(encodeGprsTextRecord(GprsDisplayMode::CustomText, u""), zeroPadded({0x00, 0x20}));
    EXPECT_EQ(encodeGprsTextRecord(GprsDisplayMode::CustomText, u"AB"),
              zeroPadded({0x00, 0x41, 0x00, 0x42}));
    EXPECT_EQ(encodeGprsTextRecord(GprsDisplayMode::CustomText, u" A "),
              zeroPadded({0x00, 0x20, 0x00, 0x41, 0x00, 0x20}));
}

TEST(GprsTextRecord, ThirteenUnitsFillTheRecordAndWholeCharactersOnlyAreKept) {
    const Bytes full =
        encodeGprsTextRecord(GprsDisplayMode::CustomText, u"一二三四五六七八九十ABC");
    ASSERT_EQ(full.size(), kGprsTextRecordSize);
    EXPECT_EQ(full[24], 0x00);
    EXPECT_EQ(full[25], 0x43);
    EXPECT_EQ(decodeGprsTextRecord(full).text, u"一二三四五六七八九十ABC");

    EXPECT_EQ(encodeGprsTextRecord(GprsDisplayMode::CustomText, u"ABCDEFGHIJKLMNO"),
              encodeGprsTextRecord(GprsDisplayMode::CustomText, u"ABCDEFGHIJKLM"));
    EXPECT_EQ(encodeGprsTextRecord(GprsDisplayMode::CustomText, u"ABCDEFGHIJKL\U0001F600"),
              encodeGprsTextRecord(GprsDisplayMode::CustomText, u"ABCDEFGHIJKL"));
    const Bytes pairAtTheEnd =
        encodeGprsTextRecord(GprsDisplayMode::CustomText, u"ABCDEFGHIJK\U0001F600");
    EXPECT_EQ(Bytes(pairAtTheEnd.begin() + 22, pairAtTheEnd.end()),
              (Bytes{0xD8, 0x3D, 0xDE, 0x00}));
}

TEST(GprsTextRecord, RecordsLoadAsTheModeThatSavesThemAgain) {
    const GprsSetting date = decodeGprsTextRecord(zeroPadded({}));
    EXPECT_EQ(date, (GprsSetting{GprsDisplayMode::AlwaysDate, u""}));

    const GprsSetting blank = decodeGprsTextRecord(zeroPadded({0x00, 0x20}));
    EXPECT_EQ(blank, (GprsSetting{GprsDisplayMode::CustomText, u" "}));
    EXPECT_EQ(encodeGprsTextRecord(blank.mode, blank.text), zeroPadded({0x00, 0x20}));

    const GprsSetting text = decodeGprsTextRecord(zeroPadded({0x4E, 0x00, 0x00, 0x41}));
    EXPECT_EQ(text, (GprsSetting{GprsDisplayMode::CustomText, u"一A"}));

    // Only the record's own 26 bytes are read, even from a longer file.
    Bytes longer(27, 0x00);
    for (std::size_t i = 1; i < longer.size(); i += 2)
        longer[i] = 0x41;
    EXPECT_EQ(decodeGprsTextRecord(longer).text, u"AAAAAAAAAAAAA");
}

} // namespace
} // namespace vantrel
