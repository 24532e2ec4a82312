// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vantrel {

// The next frame of the reading indicator's dots: "" → "." → ".." → "..." → "".
// Anything else stays as it is.
[[nodiscard]] inline std::string nextReadingDots(const std::string& dots) {
    if (dots.empty())
        return ".";
    if (dots == "." || dots == "..")
        return dots + ".";
    if (dots == "...")
        return {};
    return dots;
}

} // namespace vantrel
