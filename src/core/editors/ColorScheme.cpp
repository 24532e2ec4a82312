// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/ColorScheme.h"

#include "core/base/BitHelpers.h"

#include <optional>
#include <set>

namespace vantrel {

namespace {

std::optional<ColorEntry> makeEntry(const XmlElement& element, const ByteGrid& grid,
                                    std::string& why) {
    const auto offsetText = element.attribute("offset");
    const auto parsedOffset = offsetText ? parseHex(*offsetText) : std::nullopt;
    if (!parsedOffset) {
        why = "\"offset\" is missing or not hexadecimal";
        return std::nullopt;
    }
    const std::uint32_t offset = *parsedOffset;
    if (std::int64_t{offset} + kColorRecordBytes > grid.cellCount()) {
        why = "the four bytes at offset " + *offsetText + " run past the last byte";
        return std::nullopt;
    }
    ColorEntry entry;
    entry.key = "c_" + *offsetText;
    entry.caption = element.attribute("ID").value_or("");
    entry.offset = static_cast<int>(offset);
    entry.role = element.attribute("role").value_or("");
    entry.element = element;
    return entry;
}

} // namespace

bool isColorRole(std::string_view role) {
    for (const char* known : kColorRoles) {
        if (role == known)
            return true;
    }
    return false;
}

std::optional<int> roleOffset(const ColorTree& tree, std::string_view role) {
    for (const ColorGroup& group : tree.groups) {
        for (const ColorEntry& entry : group.entries) {
            if (entry.role == role)
                return entry.offset;
        }
    }
    return std::nullopt;
}

ColorTree buildColorTree(const XmlElement& typeElement, const ByteGrid& grid,
                         DefinitionProblems* problems) {
    ColorTree tree;
    std::set<int> offsets;
    int position = 0;
    for (const XmlElement& groupElement : typeElement.children()) {
        ColorGroup group;
        group.key = "f_" + std::to_string(position++);
        group.caption = groupElement.attribute("ID").value_or("");
        for (const XmlElement& entryElement : groupElement.children()) {
            std::string why;
            std::optional<ColorEntry> entry = makeEntry(entryElement, grid, why);
            if (entry && !offsets.insert(entry->offset).second)
                why = "offset " + *entryElement.attribute("offset") + " is listed twice";
            if (!why.empty()) {
                noteProblem(problems, entryElement, why + "; left out");
                tree.complete = false;
                continue;
            }
            if (!entry->role.empty() && !isColorRole(entry->role)) {
                noteProblem(problems, entryElement,
                            "unknown role \"" + entry->role + "\"; the preview does not draw it");
                entry->role.clear();
            }
            group.entries.push_back(std::move(*entry));
        }
        tree.groups.push_back(std::move(group));
    }
    return tree;
}

ColorRecord readColorRecord(const ByteGrid& grid, int offset) {
    ColorRecord record;
    record.red = grid.value(offset).value_or(0);
    record.green = grid.value(offset + 1).value_or(0);
    record.blue = grid.value(offset + 2).value_or(0);
    record.transparency = grid.value(offset + 3).value_or(0);
    return record;
}

void selectColorEntry(ByteGrid& grid, int offset) {
    const int previous = grid.currentCell();
    for (int i = 0; i < kColorRecordBytes; ++i)
        grid.setBorder(previous + i, false);
    grid.setCurrentCell(offset);
    for (int i = 0; i < kColorRecordBytes; ++i)
        grid.setBorder(offset + i, true);
}

void writeColor(ByteGrid& grid, int offset, std::uint8_t red, std::uint8_t green,
                std::uint8_t blue) {
    grid.writeByte(offset, red);
    grid.writeByte(offset + 1, green);
    grid.writeByte(offset + 2, blue);
}

void writeTransparency(ByteGrid& grid, int offset, std::uint8_t transparency) {
    grid.writeByte(offset + 3, transparency);
}

} // namespace vantrel
