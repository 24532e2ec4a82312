// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/definitions/DefinitionProblems.h"
#include "core/xml/XmlDocument.h"
#include "core/document/ByteGrid.h"

namespace vantrel {

// A colour entry of a colour file: four bytes red, green, blue, transparency.
struct ColorEntry {
    std::string key;     // "c_" + "offset" as written
    std::string caption; // "ID"
    int offset = 0;
    XmlElement element; // where the entry is defined
};

// A named group of colour entries; key "f_" + its position among the groups.
struct ColorGroup {
    std::string key;
    std::string caption;
    std::vector<ColorEntry> entries;
};

struct ColorTree {
    std::vector<ColorGroup> groups;
    // False when some entry was left out: no hex "offset", an offset already
    // listed, or four bytes that run past the last cell.
    bool complete = true;
};

// The groups and entries of a colour type element, in document order. Entries
// that cannot be edited are skipped and the rest are kept. Never changes a cell.
// Each entry left out is noted in problems.
[[nodiscard]] ColorTree buildColorTree(const XmlElement& typeElement, const ByteGrid& grid,
                                       DefinitionProblems* problems = nullptr);

// The four bytes of a colour entry; a cell that does not hold a byte reads as 0.
struct ColorRecord {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t transparency = 0;
};

[[nodiscard]] ColorRecord readColorRecord(const ByteGrid& grid, int offset);

// Makes the entry at offset the current colour: the border leaves the four
// cells of the previous one (those that still exist) and marks these four.
// Changes no cell text.
void selectColorEntry(ByteGrid& grid, int offset);

// Writes red, green and blue into the three cells at offset.
void writeColor(ByteGrid& grid, int offset, std::uint8_t red, std::uint8_t green,
                std::uint8_t blue);
// Writes the transparency byte of the entry at offset.
void writeTransparency(ByteGrid& grid, int offset, std::uint8_t transparency);

} // namespace vantrel
