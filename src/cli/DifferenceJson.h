// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliJson.h"
#include "core/compare/SeemComparison.h"

#include <vector>

// The setting differences of a diff as JSON, the same for two files and for
// the changed files of two folders.
namespace vantrel::cli {

// "switch", "style", ..., "bytes": the kind as the JSON output names it.
[[nodiscard]] const char* kindName(SettingKind kind);

// One object per difference: kind, name, a, b, offset and length.
[[nodiscard]] Json differencesJson(const std::vector<SettingDifference>& differences);

} // namespace vantrel::cli
