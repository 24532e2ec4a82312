// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/layout/GridGeometry.h"

namespace vantrel::grid {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr int kOffsetDigits = 4;

} // namespace

std::string rowOffsetText(int row) {
    unsigned offset = static_cast<unsigned>(row < 0 ? 0 : row) * kCellsPerRow;
    std::string text(kOffsetDigits, '0');
    for (int digit = kOffsetDigits - 1; digit >= 0 && offset != 0; --digit) {
        text[static_cast<std::size_t>(digit)] = kHexDigits[offset % 16];
        offset /= 16;
    }
    return text;
}

std::vector<std::string> rowOffsetTexts(int cellCount) {
    const int rows = cellRow(cellCount < 1 ? 0 : cellCount - 1) + 1;
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row)
        texts.push_back(rowOffsetText(row));
    return texts;
}

std::string columnHeaderText(int column) {
    return std::string(1, kHexDigits[column & 0xF]);
}

} // namespace vantrel::grid
