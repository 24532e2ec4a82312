// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/DefinitionProblems.h"
#include "core/document/ByteGrid.h"
#include "core/xml/XmlDocument.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// One slider of a volume file: a byte whose value is the slider position.
struct VolumeItem {
    std::string caption; // "ID"
    std::string tip;     // "" when absent
    int offset = 0;
    std::string defaultText; // "default" as written
    int defaultPosition = 0; // "default" clamped into min..max
    int min = 0;
    int max = 0;
    int position = 0;    // the byte at offset, clamped into min..max
    int storedByte = -1; // the byte at offset as it is, -1 when the cell holds none

    XmlElement element; // where the item is defined

    // offset in decimal + "_" + "default" as written, e.g. "26_5".
    [[nodiscard]] std::string bindingTag() const;
};

struct VolumeItems {
    static constexpr int kRows = 5;

    std::vector<VolumeItem> items; // at most kRows, in document order
    // False when an item could not become a row, or there were more items than
    // rows; items holds those before it.
    bool complete = true;
};

// The rows of a volume type element, positioned from the grid's bytes. Stops at
// the first item that cannot be a row: an "offset" that is not hex or lies
// beyond the last cell, a "min", "max" or "default" that is not a decimal
// integer, a range outside 0..255 or upside down, or a sixth item. Never
// changes a cell.
// The unusable item, when there is one, is noted in problems.
[[nodiscard]] VolumeItems buildVolumeItems(const XmlElement& typeElement, const ByteGrid& grid,
                                           DefinitionProblems* problems = nullptr);

// The position the item's cell asks for, clamped into the item's range; the
// item's current position when the cell does not hold a byte.
[[nodiscard]] int positionFromGrid(const VolumeItem& item, const ByteGrid& grid);

// The stored byte, and when it lies outside min..max, which bound it passes:
// "20 (above max 8)". A slider cannot show such a byte, a listing must.
[[nodiscard]] std::string storedValueText(const VolumeItem& item);

// The byte the item's cell holds when it lies outside the item's range (typed,
// or stored so by the phone), which the slider cannot show; nothing otherwise.
[[nodiscard]] std::optional<int> storedOutsideRange(const VolumeItem& item, const ByteGrid& grid);

// The slider moved: writes the position into the item's cell as two hex digits.
void writeVolume(ByteGrid& grid, VolumeItem& item, int position);

// Puts every item at its default and writes every item's cell, also those
// already at their default.
void resetVolumes(ByteGrid& grid, std::vector<VolumeItem>& items);

} // namespace vantrel
