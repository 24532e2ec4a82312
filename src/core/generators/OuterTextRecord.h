// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The outer-screen text seem file: 34 bytes, the text as big-endian UTF-16 in
// bytes 0..15 (at most 8 code units, zero-padded), then 00 00 and sixteen FF.
namespace vantrel {

inline constexpr std::size_t kOuterTextRecordSize = 34;
inline constexpr std::size_t kOuterTextUnits = 8;
// The outer screen shows this many code page 936 bytes (6 Chinese characters
// need 12 of them; the phone's own limit is counted this way).
inline constexpr std::size_t kOuterTextScreenBytes = 16;

// The record for a typed text: blanks at either end are removed, then as many
// whole characters as fit 8 code units are kept.
[[nodiscard]] std::vector<std::uint8_t> encodeOuterTextRecord(std::u16string_view typed);

// The text of a record: its first 16 bytes up to the first U+0000. A shorter
// record reads as if padded with zeros.
[[nodiscard]] std::u16string decodeOuterTextRecord(std::span<const std::uint8_t> bytes);

// What the record keeps of typed: blanks at either end removed, at most 8
// code units of whole characters.
[[nodiscard]] std::u16string outerTextStored(std::u16string_view typed);

// Whether saving would drop characters of typed (beyond the blanks at its ends).
[[nodiscard]] bool outerTextIsCut(std::u16string_view typed);

// Whether typed, as it stands (blanks included), fits the outer screen; the
// window shows its length hint from this and never refuses a text.
[[nodiscard]] bool outerTextFitsScreen(std::u16string_view typed);

} // namespace vantrel
