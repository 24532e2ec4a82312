// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/BuiltinStrings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

class UiStrings;

// A string that counts something holds its language's plural forms, split by
// "|": English "%1 change|%1 changes" (one, other), Chinese a single form for
// every count. The form for count is chosen, then formatted like
// UiStrings::format.
[[nodiscard]] std::string pluralText(const UiStrings& strings, UiString id, std::int64_t count,
                                     const std::vector<std::string>& args);

} // namespace vantrel
