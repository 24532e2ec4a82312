// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace vantrel {

// Window layout is designed in twips; 15 twips make one pixel at 96 dpi.
[[nodiscard]] constexpr int px(int twips) {
    return (twips + 7) / 15;
}

[[nodiscard]] constexpr QRect twipRect(int twipLeft, int twipTop, int twipWidth, int twipHeight) {
    return QRect(px(twipLeft), px(twipTop), px(twipWidth), px(twipHeight));
}

} // namespace vantrel
