// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/DefinitionProblems.h"
#include "core/document/ByteGrid.h"
#include "core/xml/XmlDocument.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// A colour entry of a colour file: four bytes red, green, blue, transparency.
struct ColorEntry {
    std::string key;     // "c_" + "offset" as written
    std::string caption; // "ID"
    int offset = 0;
    std::string role;   // "role": the part of the phone screen it paints; "" for none
    XmlElement element; // where the entry is defined
};

// The parts of the phone screen an entry's optional "role" attribute can
// name, so the preview finds its colours whatever the entries are called.
inline constexpr const char* kColorRoles[] = {
    "background",      "text",
    "highlight",       "highlight-text",
    "menu-background", "menu-text",
    "menu-highlight",  "menu-highlight-text",
    "scrollbar",       "title-background",
    "title-text",      "softkey-background",
    "softkey-text",    "dialog-background",
    "dialog-text",     "dialog-border",
};

[[nodiscard]] bool isColorRole(std::string_view role);

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
// Each entry left out is noted in problems, and so is a role no part of the
// screen has (the entry is kept, without the role).
[[nodiscard]] ColorTree buildColorTree(const XmlElement& typeElement, const ByteGrid& grid,
                                       DefinitionProblems* problems = nullptr);

// The bytes of a colour entry: red, green, blue, transparency.
inline constexpr int kColorRecordBytes = 4;

// The four bytes of a colour entry; a cell that does not hold a byte reads as 0.
struct ColorRecord {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t transparency = 0;
};

[[nodiscard]] ColorRecord readColorRecord(const ByteGrid& grid, int offset);

// The first byte of the first entry with role, if any has it.
[[nodiscard]] std::optional<int> roleOffset(const ColorTree& tree, std::string_view role);

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
