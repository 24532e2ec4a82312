// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generators/OuterTextRecord.h"

#include "core/generators/Utf16Text.h"

#include <algorithm>

namespace vantrel {

namespace {

constexpr std::size_t kTextBytes = 2 * kOuterTextUnits;
constexpr std::size_t kTailZeros = 2;

} // namespace

std::vector<std::uint8_t> encodeOuterTextRecord(std::u16string_view typed) {
    std::vector<std::uint8_t> record(kOuterTextRecordSize, 0x00);
    const std::u16string kept = outerTextStored(typed);
    putUtf16BigEndian(kept, std::span(record).first(kTextBytes));
    std::fill(record.begin() + kTextBytes + kTailZeros, record.end(), 0xFF);
    return record;
}

std::u16string decodeOuterTextRecord(std::span<const std::uint8_t> bytes) {
    return readUtf16BigEndian(bytes, kTextBytes);
}

std::u16string outerTextStored(std::u16string_view typed) {
    return wholeCharacters(trimBlanks(typed), kOuterTextUnits);
}

bool outerTextIsCut(std::u16string_view typed) {
    return outerTextStored(typed) != trimBlanks(typed);
}

bool outerTextFitsScreen(std::u16string_view typed) {
    return codePage936Length(typed) <= kOuterTextScreenBytes;
}

} // namespace vantrel
