// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// A typed name made into one a browser writes unchanged on any system, with
// ".seem": no folders ("../" and separators), no control or direction
// characters, no leading or trailing dots and spaces, no name Windows keeps
// for devices (CON, COM1, LPT9...), at most 255 bytes. Nothing of the name
// left: fallback, made safe the same way, else "vantrel.seem".
[[nodiscard]] std::string safeSeemFileName(std::string_view typed, std::string_view fallback = {});

} // namespace vantrel
