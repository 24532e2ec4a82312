// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"

#include <string>
#include <string_view>

// The title of a colour scheme: five UTF-16 code units, high byte first, in
// bytes 8 to 17 of every colour file, padded with zero units.
namespace vantrel {

inline constexpr int kTitleOffset = 8;
inline constexpr int kTitleUnits = 5;

// Whether the grid is long enough to hold a title.
[[nodiscard]] bool hasSchemeTitle(const ByteGrid& grid);

// The title the cells hold, up to the first zero unit; "" without room for one.
// A cell that does not hold a byte reads as 0.
[[nodiscard]] std::u16string readSchemeTitle(const ByteGrid& grid);

enum class TitleWrite { Written, TooLong, NoRoom };

// Writes the title padded with zero units into the ten cells. More than five
// units (a character beyond U+FFFF counts two) or a grid without room for the
// title changes no cell.
TitleWrite writeSchemeTitle(ByteGrid& grid, std::u16string_view title);

// UTF-8 text as UTF-16 units; a malformed sequence becomes U+FFFD.
[[nodiscard]] std::u16string utf8ToUtf16(std::string_view text);
// UTF-16 units as UTF-8; an unpaired surrogate becomes U+FFFD.
[[nodiscard]] std::string utf16ToUtf8(std::u16string_view units);

} // namespace vantrel
