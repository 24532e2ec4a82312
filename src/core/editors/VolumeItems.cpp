// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/VolumeItems.h"

#include "core/base/BitHelpers.h"
#include "core/editors/ItemOffset.h"

#include <algorithm>
#include <optional>

namespace vantrel {

namespace {

std::optional<int> decimalAttribute(const XmlElement& item, std::string_view name) {
    const auto text = item.attribute(name);
    const auto value = text ? parseDecimal(*text) : std::nullopt;
    if (!value || *value < -0x10000 || *value > 0x10000)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<VolumeItem> makeItem(const XmlElement& element, const ByteGrid& grid,
                                   std::string& why) {
    const auto offset = itemCell(element, grid, why);
    const auto min = decimalAttribute(element, "min");
    const auto max = decimalAttribute(element, "max");
    const auto defaultPosition = decimalAttribute(element, "default");
    if (!offset)
        return std::nullopt;
    if (!min || !max || !defaultPosition) {
        why = "\"min\", \"max\" and \"default\" must be decimal numbers";
        return std::nullopt;
    }
    // Every position is written into one byte, so the range must fit in one.
    if (*min < 0 || *max > 0xFF || *min > *max) {
        why = "the range " + std::to_string(*min) + ".." + std::to_string(*max) +
              " does not fit one byte";
        return std::nullopt;
    }

    VolumeItem item;
    item.caption = element.attribute("ID").value_or("");
    item.tip = element.attribute("tip").value_or("");
    item.offset = *offset;
    item.defaultText = *element.attribute("default");
    item.min = *min;
    item.max = *max;
    item.defaultPosition = std::clamp(*defaultPosition, item.min, item.max);
    item.position = item.min;
    item.position = positionFromGrid(item, grid);
    if (const auto stored = grid.value(item.offset))
        item.storedByte = static_cast<int>(*stored);
    item.element = element;
    return item;
}

} // namespace

std::string VolumeItem::bindingTag() const {
    return std::to_string(offset) + "_" + defaultText;
}

VolumeItems buildVolumeItems(const XmlElement& typeElement, const ByteGrid& grid,
                             DefinitionProblems* problems) {
    VolumeItems result;
    for (const XmlElement& element : typeElement.children()) {
        std::optional<VolumeItem> item;
        std::string why = "a sixth item; the volume editor has five rows";
        if (result.items.size() < static_cast<std::size_t>(VolumeItems::kRows)) {
            why.clear();
            item = makeItem(element, grid, why);
        }
        if (!item) {
            noteProblem(problems, element, why + "; the volume editor stops here");
            result.complete = false;
            break;
        }
        result.items.push_back(std::move(*item));
    }
    return result;
}

int positionFromGrid(const VolumeItem& item, const ByteGrid& grid) {
    const auto value = grid.value(item.offset);
    if (!value)
        return item.position;
    return std::clamp(static_cast<int>(*value), item.min, item.max);
}

std::string storedValueText(const VolumeItem& item) {
    if (item.storedByte < 0)
        return std::to_string(item.position);
    const std::string stored = std::to_string(item.storedByte);
    if (item.storedByte > item.max)
        return stored + " (above max " + std::to_string(item.max) + ")";
    if (item.storedByte < item.min)
        return stored + " (below min " + std::to_string(item.min) + ")";
    return stored;
}

std::optional<int> storedOutsideRange(const VolumeItem& item, const ByteGrid& grid) {
    const auto value = grid.value(item.offset);
    if (!value || (*value >= item.min && *value <= item.max))
        return std::nullopt;
    return static_cast<int>(*value);
}

void writeVolume(ByteGrid& grid, VolumeItem& item, int position) {
    item.position = std::clamp(position, item.min, item.max);
    item.storedByte = item.position;
    grid.writeByte(item.offset, static_cast<std::uint8_t>(item.position));
}

void resetVolumes(ByteGrid& grid, std::vector<VolumeItem>& items) {
    for (VolumeItem& item : items)
        writeVolume(grid, item, item.defaultPosition);
}

} // namespace vantrel
