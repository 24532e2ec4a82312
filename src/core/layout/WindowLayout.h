// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/GridGeometry.h"

#include <algorithm>

// Where the main window's parts sit for a given client size. At the designed
// size (and below it: the designed size is the least the window lays out for)
// every part keeps its designed place; a larger window gives its extra width
// half to the editor column and half to the information frame and the grid,
// and its extra height to the editor column and the grid. The grid keeps
// sixteen cells a row, so a taller grid shows more rows.
namespace vantrel::layout {

using grid::TwipRect;

inline constexpr int kTwipDesignClientWidth = 12075;
inline constexpr int kTwipDesignClientHeight = 7065;

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
    const int extraWidth = std::max(0, twipClientWidth - kTwipDesignClientWidth);
    const int extraHeight = std::max(0, twipClientHeight - kTwipDesignClientHeight);
    const int editorGrowth = extraWidth / 2;
    const int rightGrowth = extraWidth - editorGrowth;
    const int rightLeft = 4815 + editorGrowth;
    return {
        .editorArea = {105, 315, 4600 + editorGrowth, 6300 + extraHeight},
        .infoFrame = {rightLeft, 255, 7155 + rightGrowth, 1300},
        .infoLabel = {150, 300, 6855 + rightGrowth, 900},
        .colorPanel = {rightLeft, 240, 7155 + rightGrowth, 1380},
        .gridArea = {rightLeft, 1650, 7155 + rightGrowth, 4950 + extraHeight},
        .twipStartPageShiftX = extraWidth / 2,
        .twipStartPageShiftY = extraHeight / 2,
    };
}

static_assert(windowLayout(kTwipDesignClientWidth, kTwipDesignClientHeight).gridArea ==
              TwipRect{4815, 1650, 7155, 4950});
static_assert(windowLayout(6000, 4000) ==
              windowLayout(kTwipDesignClientWidth, kTwipDesignClientHeight));

} // namespace vantrel::layout
