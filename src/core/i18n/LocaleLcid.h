// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel {

// The Windows locale identifier (LCID) of a locale name such as "zh_CN" or
// "en-US"; language.xml names its languages by LCID. Encoding suffixes
// ("zh_CN.UTF-8") are ignored. A bare language ("de") maps to its main country.
[[nodiscard]] std::optional<std::int32_t> lcidForLocaleName(std::string_view name);

// The locale name ("zh_CN") of a Windows locale identifier, if the table knows it.
[[nodiscard]] std::optional<std::string_view> localeNameForLcid(std::int32_t lcid);

} // namespace vantrel
