// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editors/ItemOffset.h"

#include "core/base/BitHelpers.h"

namespace vantrel {

std::optional<int> itemCell(const XmlElement& item, const ByteGrid& grid, std::string& why) {
    const auto offsetText = item.attribute("offset");
    const auto offset = offsetText ? parseHex(*offsetText) : std::nullopt;
    if (!offset) {
        why = "\"offset\" is missing or not hexadecimal";
        return std::nullopt;
    }
    if (*offset >= static_cast<std::uint32_t>(grid.cellCount())) {
        why = "offset " + *offsetText + " lies beyond the last byte";
        return std::nullopt;
    }
    return static_cast<int>(*offset);
}

} // namespace vantrel
