// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The numbers behind the colour panel: the preview colour, its hex text, the
// transparency percentage.
namespace vantrel {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// "#RRGGBB", six upper-case digits, red first, as everyone reads a hex colour
// (and as vantrel-cli prints it): pure red shows "#FF0000".
[[nodiscard]] std::string colorHexText(Rgb color);

// A typed "#RRGGBB" or "RRGGBB" (either case, blanks around allowed); nothing
// for anything else.
[[nodiscard]] std::optional<Rgb> rgbFromHexText(std::string_view text);

// The transparency byte as a whole percentage, rounded down: 0x80 shows 50.
[[nodiscard]] constexpr int percentFromByte(std::uint8_t transparency) {
    return transparency * 100 / 255;
}

// What a typed percentage writes. A text that is not a number counts as 0.
struct TransparencyInput {
    std::uint8_t byte = 0;
    // The text the box shows instead, when the percentage was out of range.
    std::optional<std::string> correctedText;
};

// floor(p * 255) / 100, rounded half to even: 12.5 gives 0x20, 50 gives 0x80.
// Above 255 the box is corrected to "100" (byte FF), below 0 to "0" (byte 00).
[[nodiscard]] TransparencyInput transparencyFromText(std::string_view text);

} // namespace vantrel
