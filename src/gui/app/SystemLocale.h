// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace vantrel {

// The Windows locale identifier of the system's locale, if the table knows it.
[[nodiscard]] std::optional<std::int32_t> systemDefaultLcid();

} // namespace vantrel
