// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/compare/SeemComparison.h"

#include <nlohmann/json.hpp>

#include <vector>

// A setting difference as JSON, one shape for the command line (two files,
// the changed files of two folders) and the web page.
namespace vantrel {

// kind, name, key (what the editors know the setting by; "" for bytes), a
// (ours), b (theirs), offset and length of the cells it lives in.
[[nodiscard]] nlohmann::ordered_json differenceJson(const SettingDifference& difference);
[[nodiscard]] nlohmann::ordered_json
differencesJson(const std::vector<SettingDifference>& differences);

} // namespace vantrel
