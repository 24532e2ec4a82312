// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace vantrel {

enum class OffsetBase { Hexadecimal, Decimal };

// What the user typed into Go to offset, read as a byte offset of the open file.
struct OffsetInput {
    enum class Status { Ok, NotANumber, BeyondEnd };
    Status status = Status::NotANumber;
    int offset = -1; // Ok only
};

// Hexadecimal takes "1A", "1a" or "0x1A"; decimal takes "26". Blanks around the
// number are ignored; signs, blanks inside and anything else make it not a number.
// An offset at or past cellCount is beyond the end of the file.
[[nodiscard]] OffsetInput parseOffset(std::string_view typed, OffsetBase base, int cellCount);

} // namespace vantrel
