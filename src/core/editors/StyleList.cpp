// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/StyleList.h"

#include "core/base/BitHelpers.h"
#include "core/editors/ItemOffset.h"

#include <optional>
#include <set>

namespace vantrel {

namespace {

// The text goes into a cell as it stands, so it must already read as one byte.
std::optional<std::uint8_t> byteText(const std::optional<std::string>& text) {
    if (!text || text->size() > 2)
        return std::nullopt;
    const auto value = parseHex(*text);
    if (!value)
        return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

std::optional<StyleRow> makeRow(const XmlElement& item, const ByteGrid& grid, std::string& why) {
    const auto offsetText = item.attribute("offset");
    const auto offset = itemCell(item, grid, why);
    const auto val1Text = item.attribute("val1");
    const auto val2Text = item.attribute("val2");
    const auto id = item.attribute("ID");
    if (!offset)
        return std::nullopt;
    if (!byteText(val1Text) || !byteText(val2Text)) {
        why = "\"val1\" and \"val2\" must each be one byte in hexadecimal";
        return std::nullopt;
    }
    if (!id) {
        why = "no \"ID\"";
        return std::nullopt;
    }

    StyleRow row;
    row.key = *offsetText + "_" + *val1Text + "_" + *val2Text;
    row.text = *id;
    row.tip = item.attribute("tip").value_or("");
    row.offset = *offset;
    row.val1Text = *val1Text;
    row.val2Text = *val2Text;
    row.checked = isRowOn(grid, row);
    row.element = item;
    return row;
}

} // namespace

StyleRows buildStyleRows(const XmlElement& typeElement, const ByteGrid& grid,
                         DefinitionProblems* problems) {
    StyleRows result;
    std::set<std::string> keys;
    for (const XmlElement& item : typeElement.children()) {
        std::string why;
        std::optional<StyleRow> row = makeRow(item, grid, why);
        if (row && !keys.insert(row->key).second)
            why = "the same offset and values are listed twice";
        if (!why.empty()) {
            noteProblem(problems, item, why + "; the style list stops here");
            result.complete = false;
            break;
        }
        result.rows.push_back(std::move(*row));
    }
    return result;
}

bool isRowOn(const ByteGrid& grid, const StyleRow& row) {
    const auto value = grid.value(row.offset);
    return value && value == byteText(row.val1Text);
}

void applyCheck(ByteGrid& grid, StyleRow& row, bool checked) {
    grid.setText(row.offset, checked ? row.val1Text : row.val2Text);
    row.checked = checked;
}

} // namespace vantrel
