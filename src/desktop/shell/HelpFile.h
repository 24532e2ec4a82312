// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace vantrel {

// The help document in the program folder appDir: "help.chm" where there is
// one, else "help.html"; nothing when neither is there.
[[nodiscard]] std::optional<std::string> findHelpFile(const std::string& appDir);

} // namespace vantrel
