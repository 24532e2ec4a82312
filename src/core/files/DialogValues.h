// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The numbers callers hand to the common dialogs and read back from them:
// flag bits, and colours packed into one number.
namespace vantrel {

// Flag bits of the file dialogs.
namespace FileDialogFlag {
inline constexpr std::int32_t OverwritePrompt = 0x2;  // Save: ask before replacing a file
inline constexpr std::int32_t HideReadOnly = 0x4;     // no read-only check box
inline constexpr std::int32_t FileMustExist = 0x1000; // Open: only existing files
} // namespace FileDialogFlag

[[nodiscard]] constexpr bool hasFlag(std::int32_t flags, std::int32_t bit) {
    return (flags & bit) == bit;
}

// A colour as one number 0x00BBGGRR (red in the low byte). The colour dialog
// answers -1 for "cancelled", which is no colour of this form.
inline constexpr std::int32_t NoColor = -1;

[[nodiscard]] constexpr std::int32_t packColorRef(int red, int green, int blue) {
    return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}
[[nodiscard]] constexpr int colorRefRed(std::int32_t color) {
    return color & 0xFF;
}
[[nodiscard]] constexpr int colorRefGreen(std::int32_t color) {
    return color >> 8 & 0xFF;
}
[[nodiscard]] constexpr int colorRefBlue(std::int32_t color) {
    return color >> 16 & 0xFF;
}

static_assert(packColorRef(0x12, 0x34, 0x56) == 0x563412);
static_assert(colorRefRed(0x563412) == 0x12 && colorRefGreen(0x563412) == 0x34 &&
              colorRefBlue(0x563412) == 0x56);

} // namespace vantrel
