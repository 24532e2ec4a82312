// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

class UiStrings;

// The status-bar description of a focused cell: its index (in hex, as the
// grid's rulers give it, with decimal in brackets), its text, and its value in
// decimal and in binary, each after its label from the string table.
// A cell that does not hold a byte (typed text is not checked) shows its text
// as it is and "?" for both numbers rather than failing.
[[nodiscard]] std::string cellStatusText(int byteIndex, std::string_view cellText,
                                         const UiStrings& strings);

} // namespace vantrel
