// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The grid's rows as every face shows them: sixteen cells to a row, so a
// row's first cell is at an offset that ends in hexadecimal 0.
namespace vantrel::grid {

inline constexpr int kCellsPerRow = 16;

[[nodiscard]] constexpr int cellRow(int byteIndex) {
    return byteIndex / kCellsPerRow;
}

[[nodiscard]] constexpr int cellColumn(int byteIndex) {
    return byteIndex % kCellsPerRow;
}

static_assert(cellRow(15) == 0 && cellRow(16) == 1 && cellColumn(17) == 1);

} // namespace vantrel::grid
