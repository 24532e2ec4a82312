// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/DefinitionProblems.h"
#include "core/document/ByteGrid.h"
#include "core/xml/XmlDocument.h"

#include <string>
#include <vector>

namespace vantrel {

// One named option of a style file: a byte that holds val1 when the option is
// on and val2 when it is off.
struct StyleRow {
    std::string key;  // offset + "_" + val1 + "_" + val2, as written
    std::string text; // "ID"
    std::string tip;  // "" when absent
    int offset = 0;
    std::string val1Text; // written into the cell, exactly as spelled, when checked
    std::string val2Text; // written into the cell, exactly as spelled, when unchecked
    bool checked = false;
    XmlElement element; // where the row is defined
};

struct StyleRows {
    std::vector<StyleRow> rows;
    // False when an item could not become a row; rows holds the items before it.
    bool complete = true;
};

// The rows of a style type element, checked where the cell holds val1. Stops at
// the first item that cannot be a row: no "ID", an offset that is not hex or lies
// beyond the last cell, a val1 or val2 that is not one or two hex digits, or a
// key already listed. Never changes a cell.
// The unusable item, when there is one, is noted in problems.
[[nodiscard]] StyleRows buildStyleRows(const XmlElement& typeElement, const ByteGrid& grid,
                                       DefinitionProblems* problems = nullptr);

// Whether the row's cell holds its val1 byte, i.e. the row shows a check.
[[nodiscard]] bool isRowOn(const ByteGrid& grid, const StyleRow& row);

// Writes val1 (checked) or val2 (unchecked) into the row's cell and remembers the state.
void applyCheck(ByteGrid& grid, StyleRow& row, bool checked);

} // namespace vantrel
