// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/GridRows.h"

#include <optional>
#include <string>
#include <vector>

// Where the byte cells sit on the window's grid sheet. The layout is designed in
// twips (1/1440 inch); the view converts to pixels at 96 dpi only when it
// paints, so every position here stays exact and testable.
namespace vantrel::grid {

inline constexpr int kTwipFirstCellLeft = 100;
inline constexpr int kTwipFirstCellTop = 60;
inline constexpr int kTwipPitchX = 400;
inline constexpr int kTwipPitchY = 300;
inline constexpr int kTwipCellWidth = 330;
inline constexpr int kTwipCellHeight = 285;
// Room left below the top of the last row, so the last row never touches the edge.
inline constexpr int kTwipSheetBottomRoom = 400;

// The window that shows the sheet, scroll bar included, at its design size.
inline constexpr int kTwipViewportWidth = 7155;
inline constexpr int kTwipViewportHeight = 4950;
inline constexpr int kTwipScrollBarWidth = 250;

inline constexpr int kTwipsPerPixel = 15; // at 96 dpi

// The rulers beside the sheet: the row offsets at its left, the column
// numbers above it. They sit outside the sheet, so the cells keep their places.
inline constexpr int kTwipGutterWidth = 420;
inline constexpr int kTwipHeaderHeight = 255;

struct TwipRect {
    int twipLeft = 0;
    int twipTop = 0;
    int twipWidth = 0;
    int twipHeight = 0;

    friend constexpr bool operator==(const TwipRect&, const TwipRect&) = default;
};

[[nodiscard]] constexpr int cellTwipLeft(int byteIndex) {
    return kTwipFirstCellLeft + kTwipPitchX * cellColumn(byteIndex);
}

[[nodiscard]] constexpr int rowTwipTop(int row) {
    return kTwipFirstCellTop + kTwipPitchY * row;
}

[[nodiscard]] constexpr int cellTwipTop(int byteIndex) {
    return rowTwipTop(cellRow(byteIndex));
}

[[nodiscard]] constexpr TwipRect cellTwipRect(int byteIndex) {
    return {cellTwipLeft(byteIndex), cellTwipTop(byteIndex), kTwipCellWidth, kTwipCellHeight};
}

// Height of the sheet holding cellCount cells; cell 0 always exists, so
// counts below 1 give the one-cell sheet.
[[nodiscard]] constexpr int sheetTwipHeight(int cellCount) {
    const int lastIndex = cellCount < 1 ? 0 : cellCount - 1;
    return cellTwipTop(lastIndex) + kTwipSheetBottomRoom;
}

// Whole rows a viewport of that height shows, at least one.
[[nodiscard]] constexpr int rowsInViewport(int twipViewportHeight) {
    const int rows = (twipViewportHeight - kTwipFirstCellTop) / kTwipPitchY;
    return rows < 1 ? 1 : rows;
}

// Twips to whole pixels at 96 dpi, halves rounded away from zero.
[[nodiscard]] constexpr int twipsToPx(int twips) {
    const int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

[[nodiscard]] constexpr int pxToTwips(int px) {
    return px * kTwipsPerPixel;
}

// The cell under a point of the sheet, or nothing for the gaps between
// cells, the margins and points past the last cell.
[[nodiscard]] constexpr std::optional<int> cellAtTwip(int twipX, int twipY, int cellCount) {
    const int fromLeft = twipX - kTwipFirstCellLeft;
    const int fromTop = twipY - kTwipFirstCellTop;
    if (fromLeft < 0 || fromTop < 0)
        return std::nullopt;
    const int column = fromLeft / kTwipPitchX;
    const int row = fromTop / kTwipPitchY;
    if (column >= kCellsPerRow || fromLeft % kTwipPitchX >= kTwipCellWidth ||
        fromTop % kTwipPitchY >= kTwipCellHeight)
        return std::nullopt;
    const int byteIndex = row * kCellsPerRow + column;
    if (byteIndex >= cellCount)
        return std::nullopt;
    return byteIndex;
}

// The offset of a row's first byte as four upper-case hexadecimal digits
// ("0000", "0010", ...), enough for every file the program accepts.
[[nodiscard]] std::string rowOffsetText(int row);
// The gutter of a sheet of cellCount cells: one text per row.
[[nodiscard]] std::vector<std::string> rowOffsetTexts(int cellCount);
// The column header: one hexadecimal digit, "0" to "F".
[[nodiscard]] std::string columnHeaderText(int column);

static_assert(cellTwipRect(0) == TwipRect{100, 60, 330, 285});
static_assert(cellTwipLeft(15) == 6100 && cellTwipTop(15) == 60);
static_assert(cellTwipLeft(16) == 100 && cellTwipTop(16) == 360);
static_assert(sheetTwipHeight(1) == 460);
static_assert(sheetTwipHeight(17) == 760);
static_assert(sheetTwipHeight(16 * 3) == 460 + 300 * 2);
static_assert(twipsToPx(7155) == 477 && twipsToPx(4950) == 330);
static_assert(twipsToPx(7) == 0 && twipsToPx(8) == 1 && twipsToPx(-8) == -1);
static_assert(cellAtTwip(100, 60, 1) == 0);
static_assert(cellAtTwip(430, 60, 2) == std::nullopt); // just right of cell 0
static_assert(cellAtTwip(100, 360, 17) == 16);
static_assert(cellAtTwip(100, 360, 16) == std::nullopt);
static_assert(rowsInViewport(4950) == 16 && rowsInViewport(0) == 1);

} // namespace vantrel::grid
