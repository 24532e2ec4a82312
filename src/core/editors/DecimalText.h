// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace vantrel {

// The whole text as a plain decimal number: an optional "-", digits with an
// optional point ("12", "12.5", ".5", "5."), no exponent, no blanks. What
// std::from_chars reads with chars_format::fixed, also where the standard
// library lacks it for floating point (libc++ 14, used for WebAssembly).
[[nodiscard]] std::optional<double> parseFixedDecimal(std::string_view text);

// The same with an optional exponent ("1e3", "2.5E-1"), "inf" and "nan" (any
// case) allowed: what std::from_chars reads with chars_format::general.
[[nodiscard]] std::optional<double> parseGeneralDecimal(std::string_view text);

} // namespace vantrel
