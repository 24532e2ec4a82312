// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/layout/GridGeometry.h"

#include <algorithm>

// Where the main window's parts sit for a given client size. At the designed
// size every part keeps its designed place; a larger window gives its extra
// width half to the editor column and half to the information frame and the
// grid, and its extra height to the editor column and the grid. A smaller one
// (a small screen, a large scale factor, a panel beside) takes the width it
// lacks from the editor column and the height from the editor column and the
// grid, down to the least size, so that the grid keeps its sixteen cells a
// row in view; below the least size the window scrolls. A taller grid shows
// more rows, a shorter one scrolls them.
namespace vantrel::layout {

using grid::TwipRect;

inline constexpr int kTwipDesignClientWidth = 12075;
inline constexpr int kTwipDesignClientHeight = 7065;
// The editor column keeps 1975 of its 4600 (a 1280 by 800 screen at scale 2
// still shows the grid whole), the grid 2700 of its 4950: a header and seven rows.
inline constexpr int kTwipLeastClientWidth = 9450;
inline constexpr int kTwipLeastClientHeight = 4815;
// The least width at which the editor column keeps each editor's rows on one
// line: a panel beside the window takes only the width beyond it.
inline constexpr int kTwipRoomyClientWidth = 10470;

struct WindowLayout {
    TwipRect editorArea; // the function tree, style list, colour tree or volume editor
    TwipRect infoFrame;
    TwipRect infoLabel;  // the information text, inside the information frame
    TwipRect colorPanel; // the colour editor, in the information frame's place
    TwipRect gridArea;   // the byte grid
    // The start page (title and hint) moves as one, keeping to the middle.
    int twipStartPageShiftX = 0;
    int twipStartPageShiftY = 0;

    friend constexpr bool operator==(const WindowLayout&, const WindowLayout&) = default;
};

[[nodiscard]] constexpr WindowLayout windowLayout(int twipClientWidth, int twipClientHeight) {
    // Negative below the designed size.
    const int extraWidth =
        std::max(twipClientWidth, kTwipLeastClientWidth) - kTwipDesignClientWidth;
    const int extraHeight =
        std::max(twipClientHeight, kTwipLeastClientHeight) - kTwipDesignClientHeight;
    const int editorGrowth = extraWidth > 0 ? extraWidth / 2 : extraWidth;
    const int rightGrowth = extraWidth - editorGrowth;
    const int rightLeft = 4815 + editorGrowth;
    return {
        .editorArea = {105, 315, 4600 + editorGrowth, 6300 + extraHeight},
        .infoFrame = {rightLeft, 255, 7155 + rightGrowth, 1300},
        .infoLabel = {150, 300, 6855 + rightGrowth, 900},
        .colorPanel = {rightLeft, 240, 7155 + rightGrowth, 1380},
        .gridArea = {rightLeft, 1650, 7155 + rightGrowth, 4950 + extraHeight},
        .twipStartPageShiftX = std::max(0, extraWidth / 2),
        .twipStartPageShiftY = std::max(0, extraHeight / 2),
    };
}

static_assert(windowLayout(kTwipDesignClientWidth, kTwipDesignClientHeight).gridArea ==
              TwipRect{4815, 1650, 7155, 4950});
static_assert(windowLayout(6000, 4000) ==
              windowLayout(kTwipLeastClientWidth, kTwipLeastClientHeight));
static_assert(windowLayout(kTwipLeastClientWidth, kTwipLeastClientHeight).gridArea ==
              TwipRect{2190, 1650, 7155, 2700});

} // namespace vantrel::layout
