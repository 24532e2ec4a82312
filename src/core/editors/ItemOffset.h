// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/ByteGrid.h"
#include "core/xml/XmlDocument.h"

#include <optional>
#include <string>

namespace vantrel {

// The cell an item's hexadecimal "offset" names, when the grid has it; otherwise
// nothing, with why saying what is wrong.
[[nodiscard]] std::optional<int> itemCell(const XmlElement& item, const ByteGrid& grid,
                                          std::string& why);

} // namespace vantrel
