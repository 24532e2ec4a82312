// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::cli {

struct NamePick {
    std::optional<std::size_t> index;
    std::string problem; // when index is empty: unknown, or ambiguous with the candidates
};

// The one item that wanted names among names (in document order). Where
// several items share a name, a guess could edit the wrong byte, so the pick
// is refused with every candidate written as NAME#N, the N-th item so named,
// which is accepted in turn. what is the kind of item, as "switch".
[[nodiscard]] NamePick pickByName(const std::vector<std::string>& names, const std::string& wanted,
                                  const std::string& what);

} // namespace vantrel::cli
