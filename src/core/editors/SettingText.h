// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/editors/ColorMath.h"
#include "core/editors/ColorScheme.h"

#include <cstdint>
#include <optional>
#include <string>

// Setting values in words, as recipes and the command line write them.
namespace vantrel {

// "on" or "off".
[[nodiscard]] std::string onOff(bool on);
[[nodiscard]] std::optional<bool> parseOnOff(const std::string& word);

// "#RRGGBB"; the "#" may be left out when read.
[[nodiscard]] std::string rgbText(const ColorRecord& record);
[[nodiscard]] std::optional<Rgb> parseRgb(std::string text);

// A transparency: a number from 0 to 100, as the transparency box takes it.
[[nodiscard]] bool isPercentage(const std::string& text);
[[nodiscard]] std::string percentageFor(std::uint8_t byte);

} // namespace vantrel
