// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Conversions between cell texts, binary texts and bits. Bit 0 is the least
// significant bit; binary texts are most significant digit first.
namespace vantrel {

// Text after the last "." of path, or "" when there is none.
[[nodiscard]] std::string fileExtension(std::string_view path);
// Value of a text of "0"/"1" digits, leftmost most significant; "" gives 0.
// A value beyond the 32-bit range gives the largest one, 2147483647.
[[nodiscard]] std::int32_t fromBinary(std::string_view bits);
// Binary digits of n >= 0, padded on the left to at least 8 digits.
[[nodiscard]] std::string toBinary(std::int32_t n);
// s with a leading "0" when it is exactly one character long.
[[nodiscard]] std::string padToTwoDigits(std::string_view s);
// Whether bit n (0..7) of the byte written as hex is set; false for n < 0 or n > 7.
[[nodiscard]] bool isBitSet(std::string_view hex, int n);
// The byte written as hex with bit n (0..7) set or cleared, as two upper-case digits.
[[nodiscard]] std::string setBitInHex(std::string_view hex, int n, bool on);

// A whole text of hexadecimal digits (either case, no prefix) as a number;
// nothing for an empty text, a foreign character or a value above 0xFFFFFFFF.
[[nodiscard]] std::optional<std::uint32_t> parseHex(std::string_view text);
// A whole text of decimal digits, optionally signed, as a number.
[[nodiscard]] std::optional<std::int64_t> parseDecimal(std::string_view text);
// Upper-case hexadecimal digits of value, without padding.
[[nodiscard]] std::string toHex(std::uint32_t value);
// A byte as two upper-case hexadecimal digits.
[[nodiscard]] std::string byteToHex(std::uint8_t value);

} // namespace vantrel
