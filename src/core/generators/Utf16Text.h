// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The text pieces of the generated seem files: UTF-16 stored high byte first,
// cut only between whole characters.
namespace vantrel {

// The longest start of text that holds whole characters only and at most
// maxUnits UTF-16 code units. A surrogate pair that would not fit is left out
// whole; a surrogate without its partner is no character and is left out.
[[nodiscard]] std::u16string wholeCharacters(std::u16string_view text, std::size_t maxUnits);

// text as big-endian UTF-16 written from the start of out; the bytes of out
// after the text are left as they are. text must fit out.
void putUtf16BigEndian(std::u16string_view text, std::span<std::uint8_t> out);

// The big-endian UTF-16 text held by the first byteCount bytes of bytes, up
// to the first U+0000; a byte beyond the end of bytes counts as 0x00. Whole
// characters only, as wholeCharacters keeps them.
[[nodiscard]] std::u16string readUtf16BigEndian(std::span<const std::uint8_t> bytes,
                                                std::size_t byteCount);

// The length of text in bytes in code page 936 (GBK), the measure the phone's
// screen is counted in: 1 for an ASCII character, 2 for any other.
[[nodiscard]] std::size_t codePage936Length(std::u16string_view text);

// text without the blanks (U+0020) at its start and end.
[[nodiscard]] std::u16string_view trimBlanks(std::u16string_view text);

} // namespace vantrel
