// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vantrel {

// What kind of setting a change, a difference or a recipe entry is about.
enum class SettingKind { Switch, Style, Volume, Color, Title, OuterText, Gprs, Bytes };

inline constexpr std::array kSettingKinds = {
    SettingKind::Switch, SettingKind::Style,     SettingKind::Volume, SettingKind::Color,
    SettingKind::Title,  SettingKind::OuterText, SettingKind::Gprs,   SettingKind::Bytes};

// The name in recipes, JSON and on the command line: "switch", ..., "bytes".
[[nodiscard]] constexpr std::string_view settingKindName(SettingKind kind) {
    switch (kind) {
    case SettingKind::Switch:
        return "switch";
    case SettingKind::Style:
        return "style";
    case SettingKind::Volume:
        return "volume";
    case SettingKind::Color:
        return "color";
    case SettingKind::Title:
        return "title";
    case SettingKind::OuterText:
        return "outertext";
    case SettingKind::Gprs:
        return "gprs";
    case SettingKind::Bytes:
        break;
    }
    return "bytes";
}

[[nodiscard]] constexpr std::optional<SettingKind> settingKindNamed(std::string_view name) {
    for (SettingKind kind : kSettingKinds) {
        if (settingKindName(kind) == name)
            return kind;
    }
    return std::nullopt;
}

static_assert(settingKindNamed("volume") == SettingKind::Volume);
static_assert(!settingKindNamed("Volume"));

} // namespace vantrel
