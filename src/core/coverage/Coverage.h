// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/compare/SeemComparison.h"
#include "core/document/ByteGrid.h"
#include "core/i18n/UiStrings.h"
#include "core/xml/XmlDocument.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Which bits of a file the definitions describe: every item of the type's
// editor with the bits it reads or writes, taken from the builders the editors
// use, so coverage and editors cannot disagree.
namespace vantrel {

struct CoveredItem {
    SettingKind kind = SettingKind::Switch; // as a comparison names the same item
    // What its editor knows it by, as a comparison names it: the function node
    // key, the style row key, "v_" + volume row, the colour entry key; "" for the title.
    std::string key;
    std::string name; // "Keys/Sound", "Menus/Menu Text", ...
    int firstCell = 0;
    int lastCell = 0;
    std::uint8_t mask = 0xFF; // the bits it reads in each of its cells
    XmlElement element;       // where it is defined; the type element for the title
    bool on = false;          // switches and style rows: the state their editor shows
};

struct Coverage {
    std::vector<CoveredItem> items;
    std::vector<std::uint8_t> describedBits; // per cell, the union of the items' masks
    // Pairs of items (indexes, the smaller first) that read a bit in common.
    std::vector<std::pair<std::size_t, std::size_t>> overlaps;

    // The items that read some bit of cell, in item order.
    [[nodiscard]] std::vector<std::size_t> itemsAt(int cell) const;
    // The items that share a bit with item.
    [[nodiscard]] std::vector<std::size_t> overlapsOf(std::size_t item) const;
    [[nodiscard]] std::uint8_t bitsOf(int cell) const;
    // Described bits among the cells first..last (clipped to the file).
    [[nodiscard]] int describedBitCount(int firstCell, int lastCell) const;
};

// The coverage of a file of the type typeName (lower case) defined by type,
// with the grid's cells; a type without an editor covers nothing. strings
// name the colour scheme's title.
[[nodiscard]] Coverage computeCoverage(const XmlElement& type, const std::string& typeName,
                                       const ByteGrid& grid, const UiStrings& strings = {});

// The items of one kind of editor, added to coverage without its overlaps.
void addFunctionItems(Coverage& coverage, const XmlElement& type, const ByteGrid& grid);
void addStyleItems(Coverage& coverage, const XmlElement& type, const ByteGrid& grid);
void addVolumeItems(Coverage& coverage, const XmlElement& type, const ByteGrid& grid);
// titleName names the scheme's title, where the file has room for one.
void addColorItems(Coverage& coverage, const XmlElement& type, const ByteGrid& grid,
                   const std::string& titleName);

// "bit 0: Keys/Sound, bit 1: Keys/Vibrate; bits 2–7: not described": the items
// over each run of bits of the cell, then the bits no item reads.
[[nodiscard]] std::string cellCoverageText(const Coverage& coverage, int cell,
                                           const UiStrings& strings);

// The value the item reads, as its editor shows it: on/off (as computed), the
// slider's byte, #RRGGBB and transparency, the quoted title.
[[nodiscard]] std::string coveredValue(const CoveredItem& item, const ByteGrid& grid,
                                       const UiStrings& strings);

} // namespace vantrel
