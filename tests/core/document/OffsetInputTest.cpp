// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/OffsetInput.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Status = OffsetInput::Status;

TEST(OffsetInput, ReadsHexWithOrWithoutPrefixAndDecimalWhenChosen) {
    for (const char* typed : {"1A", "1a", "0x1A", "0X1a", " 1A ", "001A"}) {
        const OffsetInput input = parseOffset(typed, OffsetBase::Hexadecimal, 42);
        EXPECT_EQ(input.status, Status::Ok) << typed;
        EXPECT_EQ(input.offset, 26) << typed;
    }
    EXPECT_EQ(parseOffset("26", OffsetBase::Decimal, 42).offset, 26);
    EXPECT_EQ(parseOffset("26", OffsetBase::Hexadecimal, 42).offset, 0x26);
    EXPECT_EQ(parseOffset("0", OffsetBase::Decimal, 1).offset, 0);
}

TEST(OffsetInput, RefusesWhatIsNotAnOffset) {
    for (const char* typed : {"", "  ", "0x", "1G", "-1", "+1", "1 A", "&H1A"})
        EXPECT_EQ(parseOffset(typed, OffsetBase::Hexadecimal, 42).status, Status::NotANumber)
            << typed;
    for (const char* typed : {"1A", "0x1A", "2.5"})
        EXPECT_EQ(parseOffset(typed, OffsetBase::Decimal, 42).status, Status::NotANumber) << typed;
}

TEST(OffsetInput, AnOffsetPastTheLastByteIsBeyondTheEnd) {
    EXPECT_EQ(parseOffset("29", OffsetBase::Hexadecimal, 42).status, Status::Ok);
    EXPECT_EQ(parseOffset("2A", OffsetBase::Hexadecimal, 42).status, Status::BeyondEnd);
    EXPECT_EQ(parseOffset("42", OffsetBase::Decimal, 42).status, Status::BeyondEnd);
    EXPECT_EQ(parseOffset("4999", OffsetBase::Decimal, 5000).offset, 4999);
    // Far too many digits must not wrap round to a small offset.
    EXPECT_EQ(parseOffset("1000000000000000000000001", OffsetBase::Hexadecimal, 5000).status,
              Status::BeyondEnd);
}

} // namespace
} // namespace vantrel
