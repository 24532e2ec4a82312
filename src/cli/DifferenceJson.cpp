// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DifferenceJson.h"

namespace vantrel::cli {

const char* kindName(SettingKind kind) {
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

Json differencesJson(const std::vector<SettingDifference>& differences) {
    Json json = Json::array();
    for (const SettingDifference& difference : differences) {
        json.push_back({{"kind", kindName(difference.kind)},
                        {"name", difference.name},
                        {"a", difference.ours},
                        {"b", difference.theirs},
                        {"offset", difference.firstCell},
                        {"length", difference.lastCell - difference.firstCell + 1}});
    }
    return json;
}

} // namespace vantrel::cli
